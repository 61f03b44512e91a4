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
    const std::optional<QDate> date = readDateText(entry.date);
    if (!date) {
        return EntryRefusal{Field::Date, q(kBadDateMessage)};
    }
    if (!readTimeText(entry.time)) {
        return EntryRefusal{Field::Time, q(kBadTimeMessage)};
    }
    const engine::RangeCheck range =
        calendar.CheckCalendarRange(engine::Date{date->year(), date->month(), date->day()});
    if (!range.ok) {
        return EntryRefusal{Field::Calendar, QString::fromStdString(range.message), true};
    }
    if (!entry.sexChosen) {
        return EntryRefusal{Field::Sex, q(kNoSexMessage)};
    }
    return std::nullopt;
}

}  // namespace sorvik::records
