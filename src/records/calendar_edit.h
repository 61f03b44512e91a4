#pragma once

#include <cstddef>
#include <optional>
#include <vector>

#include <QString>
#include <QStringList>

#include "engine/calendar_table.h"

namespace sorvik::records {

// What "暦追加・変更" does: add a month before the first, add one after the last, or change
// the selected month (RG1's items in order).
enum class CalendarEditMode { AddFirst = 0, AddLast = 1, Change = 2 };

// The month the editor offers for its mode: a month of `length` days before the first or after
// the last month (the month number counted on, never a leap month), or the selected month
// itself.
engine::CalendarRecord proposeMonth(const engine::CalendarTable& table, CalendarEditMode mode,
                                    std::size_t selected, int length);

// The month list of TukiE: "  1", " -1", "  2", … " 12", "-12".
QStringList monthItems();
// A month as its item: right-aligned in three characters.
QString monthItem(int month);

// The days between each month's start and the previous one's (差日); empty for the first.
QStringList monthGaps(const engine::CalendarTable& table);

// The check of the editor's grid: one message per month that cannot follow the one before it,
// in table order, ending at the first month that is not 29 or 30 days long.
QStringList successionMessages(const std::vector<engine::CalendarRecord>& records);

// A month edited into the table as the mode says. Refused (the table unchanged, the messages
// of the check returned) when the result does not pass the check or would not load again.
struct CalendarEditOutcome {
    bool applied = false;
    QStringList messages;
};
CalendarEditOutcome applyCalendarEdit(engine::CalendarTable& table, CalendarEditMode mode,
                                      std::size_t selected, const engine::CalendarRecord& month);

// "旧暦 Y/M/ 1→" LF CR "西暦 YYYY/MM/DD を削除してよろしいですか？"
QString deleteQuestion(const engine::CalendarRecord& month);
// Removes the month; false (nothing removed) when only two months are left, the fewest a
// table can load with.
bool deleteCalendarMonth(engine::CalendarTable& table, std::size_t index);

inline constexpr const char* kCalendarBackupName = "INREKI.SAV";

// Writes the table over the calendar file of the folder. The file as it was before the first
// save is kept as INREKI.SAV: copied only while no backup exists, and before the new table is
// written, so a failed write leaves both files whole. True when the backup was made now.
bool saveCalendarWithBackup(const engine::CalendarTable& table, const QString& folder);

}  // namespace sorvik::records
