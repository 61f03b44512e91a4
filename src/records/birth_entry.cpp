#include "birth_entry.h"

#include "platform/errors.h"
#include "platform/sjis.h"
#include "records/date_texts.h"

namespace sorvik::records {

namespace {

QString q(const char16_t* text) {
    return QString::fromUtf16(text);
}

}  // namespace

std::optional<EntryRefusal> checkBirthEntry(const BirthEntry& entry,
                                            const engine::CalendarTable& calendar) {
    using Field = EntryRefusal::Field;
    if (entry.name.isEmpty()) {
        return EntryRefusal{Field::Name, q(kEmptyNameMessage)};
    }
    // Both separate the fields of the name file.
    if (entry.name.contains(u'&') || entry.name.contains(u',')) {
        return EntryRefusal{Field::Name, q(kNameSeparatorMessage), true};
    }
    // A name the name file cannot store would make every later save of the list fail.
    try {
        platform::encodeSjis(entry.name);
    } catch (const platform::EncodingError& error) {
        return EntryRefusal{Field::Name, error.message(), true};
    }
    if (auto refusal = checkBirthMoment(entry.date, entry.time, calendar)) {
        return refusal;
    }
    if (!entry.sexChosen) {
        return EntryRefusal{Field::Sex, q(kNoSexMessage)};
    }
    return std::nullopt;
}

std::optional<EntryRefusal> checkBirthMoment(const QString& dateText, const QString& timeText,
                                             const engine::CalendarTable& calendar) {
    using Field = EntryRefusal::Field;
    const std::optional<QDate> date = readDateText(dateText);
    if (!date) {
        return EntryRefusal{Field::Date, q(kBadDateMessage)};
    }
    if (!readTimeText(timeText)) {
        return EntryRefusal{Field::Time, q(kBadTimeMessage)};
    }
    const engine::RangeCheck range =
        calendar.CheckCalendarRange(engine::Date{date->year(), date->month(), date->day()});
    if (!range.ok) {
        return EntryRefusal{Field::Calendar, QString::fromStdString(range.message), true};
    }
    return std::nullopt;
}

}  // namespace sorvik::records
