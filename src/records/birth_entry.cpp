#include "birth_entry.h"

#include <algorithm>

#include "platform/errors.h"
#include "platform/sjis.h"
#include "records/date_texts.h"

namespace sorvik::records {

namespace {

QString q(const char16_t* text) {
    return QString::fromUtf16(text);
}

template <typename Read>
std::optional<EntryRefusal> refusalOf(const Read& read) {
    if (const auto* refusal = std::get_if<EntryRefusal>(&read)) {
        return *refusal;
    }
    return std::nullopt;
}

}  // namespace

std::optional<EntryRefusal> checkBirthEntry(const BirthEntry& entry,
                                            const engine::CalendarTable& calendar) {
    return refusalOf(readBirthEntry(entry, calendar));
}

std::variant<engine::DateTime, EntryRefusal> readBirthEntry(const BirthEntry& entry,
                                                            const engine::CalendarTable& calendar) {
    using Field = EntryRefusal::Field;
    if (entry.name.isEmpty()) {
        return EntryRefusal{Field::Name, q(kEmptyNameMessage)};
    }
    // Both separate the fields of the name file.
    if (entry.name.contains(u'&') || entry.name.contains(u',')) {
        return EntryRefusal{Field::Name, q(kNameSeparatorMessage), true};
    }
    // A line feed would split the person's line of the name file; the others are no text.
    if (std::any_of(entry.name.cbegin(), entry.name.cend(),
                    [](QChar c) { return c.category() == QChar::Other_Control; })) {
        return EntryRefusal{Field::Name, q(kNameControlMessage), true};
    }
    // A name the name file cannot store would make every later save of the list fail.
    try {
        platform::encodeSjis(entry.name);
    } catch (const platform::EncodingError& error) {
        return EntryRefusal{Field::Name, error.message(), true};
    }
    auto moment = readBirthMoment(entry.date, entry.time, calendar);
    if (!entry.sexChosen && std::holds_alternative<engine::DateTime>(moment)) {
        return EntryRefusal{Field::Sex, q(kNoSexMessage)};
    }
    return moment;
}

std::variant<engine::DateTime, EntryRefusal> readBirthMoment(
    const QString& dateText, const QString& timeText, const engine::CalendarTable& calendar) {
    using Field = EntryRefusal::Field;
    const std::optional<QDate> date = readDateText(dateText);
    if (!date) {
        return EntryRefusal{Field::Date, q(kBadDateMessage)};
    }
    const std::optional<QTime> time = readTimeText(timeText);
    if (!time) {
        return EntryRefusal{Field::Time, q(kBadTimeMessage)};
    }
    const engine::Date day{date->year(), date->month(), date->day()};
    const engine::RangeCheck range = calendar.CheckCalendarRange(day);
    if (!range.ok) {
        return EntryRefusal{Field::Calendar, QString::fromStdString(range.message), true};
    }
    return engine::DateTime{day, time->hour(), time->minute()};
}

}  // namespace sorvik::records
