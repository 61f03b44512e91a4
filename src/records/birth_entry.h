#pragma once

#include <optional>
#include <variant>

#include <QString>

#include "engine/calendar_table.h"
#include "engine/date.h"

// The checks a person's name, sex, birth date and time pass before a chart is made, shared by
// the entry bar and the command line.
namespace sorvik::records {

inline constexpr auto kEmptyNameMessage = u"氏名が入力されていません。";
inline constexpr auto kNameSeparatorMessage = u"氏名欄に、半角の＆・カンマは使用できません。";
inline constexpr auto kNameControlMessage = u"氏名欄に、改行・タブなどの制御文字は使用できません。";
inline constexpr auto kBadDateMessage = u"日付が正しくありません。";
inline constexpr auto kBadTimeMessage = u"時間が正しくありません。";
inline constexpr auto kNoSexMessage = u"性別が選ばれていません。";

struct BirthEntry {
    QString name;
    bool sexChosen = true;
    QString date;  // as readDateText reads it
    QString time;  // as readTimeText reads it
};

struct EntryRefusal {
    // Calendar: a real date the calendar table cannot convert.
    enum class Field { Name, Sex, Date, Time, Calendar };
    Field field;
    QString message;
    // The entry bar shows these in a box; the others it marks with a beep and the focus.
    bool boxed = false;
};

// The first check the entry fails, in the order the entry bar has always checked; nothing when
// the entry can be charted.
std::optional<EntryRefusal> checkBirthEntry(const BirthEntry& entry,
                                            const engine::CalendarTable& calendar);
// The same checks, and the birth moment read when they pass.
std::variant<engine::DateTime, EntryRefusal> readBirthEntry(const BirthEntry& entry,
                                                            const engine::CalendarTable& calendar);

// The checks of the date and the time alone, in the same order, for a request without a name.
std::variant<engine::DateTime, EntryRefusal> readBirthMoment(const QString& date,
                                                             const QString& time,
                                                             const engine::CalendarTable& calendar);

}  // namespace sorvik::records
