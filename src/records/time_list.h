#pragma once

#include <vector>

#include <QDate>
#include <QString>

#include "records/name_list.h"

// The time list: the thirteen two-hour slots of one day for a person whose hour is unknown.
namespace sorvik::records {

inline constexpr int kTimeSlots = 13;  // 子 of the day … 亥, and 子 of the next day

// The name without a slot suffix: a name whose first "：" is followed by a branch name is cut
// before that colon, so that a slot's name is not suffixed twice.
QString slotBaseName(const QString& name);

// The persons of the slots: the name with "：" and the slot's branch, the sex, the day and the
// slot's start (row 13 is midnight of the next day).
std::vector<NameList::Row> timeListRows(const QDate& day, const QString& name, const QString& sex);

}  // namespace sorvik::records
