#include "calendar_edit.h"

#include <cstdlib>

#include <QFileInfo>

#include "calendar_file.h"
#include "engine/errors.h"
#include "platform/atomic_file.h"
#include "platform/file_names.h"

namespace sorvik::records {

namespace {

using engine::CalendarRecord;

QString slashed(int ymd) {
    return QString::fromStdString(engine::formatSlashed(engine::dateFromYmd(ymd)));
}

int startOffset(int ymd, int days) {
    return engine::DateToYmd(engine::addDays(engine::dateFromYmd(ymd), days));
}

}  // namespace

CalendarRecord proposeMonth(const engine::CalendarTable& table, CalendarEditMode mode,
                            std::size_t selected, int length) {
    const auto& records = table.records();
    switch (mode) {
        case CalendarEditMode::AddFirst: {
            const CalendarRecord& first = records.front();
            const int month = std::abs(first.lunarMonth);
            return month == 1 ? CalendarRecord{startOffset(first.startYmd, -length),
                                               first.lunarYear - 1, 12}
                              : CalendarRecord{startOffset(first.startYmd, -length),
                                               first.lunarYear, month - 1};
        }
        case CalendarEditMode::AddLast: {
            const CalendarRecord& last = records.back();
            const int month = std::abs(last.lunarMonth);
            return month == 12
                       ? CalendarRecord{startOffset(last.startYmd, length), last.lunarYear + 1, 1}
                       : CalendarRecord{startOffset(last.startYmd, length), last.lunarYear,
                                        month + 1};
        }
        case CalendarEditMode::Change:
            break;
    }
    return records.at(selected);
}

QStringList monthItems() {
    QStringList items;
    for (int month = 1; month <= 12; ++month) {
        items << monthItem(month) << monthItem(-month);
    }
    return items;
}

QString monthItem(int month) {
    return QStringLiteral("%1").arg(month, 3);
}

QStringList monthGaps(const engine::CalendarTable& table) {
    const auto& records = table.records();
    QStringList gaps;
    for (std::size_t i = 0; i < records.size(); ++i) {
        if (i == 0) {
            gaps << QString();
            continue;
        }
        gaps << QString::number(
            engine::daysFromCivil(engine::dateFromYmd(records[i].startYmd)) -
            engine::daysFromCivil(engine::dateFromYmd(records[i - 1].startYmd)));
    }
    return gaps;
}

QStringList successionMessages(const std::vector<CalendarRecord>& records) {
    QStringList messages;
    for (const engine::SuccessionFault& fault : engine::checkSuccession(records)) {
        const QString day = slashed(records[fault.index].startYmd);
        messages << (fault.kind == engine::SuccessionFault::Kind::MonthLength
                         ? day + QStringLiteral(" は、日付が暦算上不適当です。")
                         : day + QStringLiteral(" は、旧暦年月が不適当です。"));
    }
    return messages;
}

CalendarEditOutcome applyCalendarEdit(engine::CalendarTable& table, CalendarEditMode mode,
                                      std::size_t selected, const CalendarRecord& month) {
    std::vector<CalendarRecord> records = table.records();
    switch (mode) {
        case CalendarEditMode::AddFirst:
            records.insert(records.begin(), month);
            break;
        case CalendarEditMode::AddLast:
            records.push_back(month);
            break;
        case CalendarEditMode::Change:
            records.at(selected) = month;
            break;
    }
    if (QStringList messages = successionMessages(records); !messages.isEmpty()) {
        return {false, messages};
    }
    std::vector<std::string> lines;
    lines.reserve(records.size());
    for (const CalendarRecord& record : records) {
        lines.push_back(engine::formatCalendarLine(record));
    }
    engine::CalendarTable edited = table;
    edited.setLines(std::move(lines));
    // A table that passes the succession may still hold what the next start refuses (a day
    // before the year 1000, a lunar year of five digits): it is refused here, not at load.
    try {
        engine::CalendarTable::fromRecordBytes(edited.toRecordBytes());
    } catch (const engine::CalendarError& error) {
        return {false, {QString::fromUtf8(error.what())}};
    }
    table = std::move(edited);
    return {true, {}};
}

QString deleteQuestion(const CalendarRecord& month) {
    return QStringLiteral("旧暦 %1/%2/ 1→\n\r西暦 %3 を削除してよろしいですか？")
        .arg(month.lunarYear)
        .arg(month.lunarMonth)
        .arg(slashed(month.startYmd));
}

bool deleteCalendarMonth(engine::CalendarTable& table, std::size_t index) {
    std::vector<std::string> lines = table.lines();
    if (lines.size() <= 2 || index >= lines.size()) {
        return false;
    }
    lines.erase(lines.begin() + static_cast<std::ptrdiff_t>(index));
    table.setLines(std::move(lines));
    return true;
}

bool saveCalendarWithBackup(const engine::CalendarTable& table, const QString& folder) {
    const QString current =
        platform::findFileIgnoringCase(folder, QString::fromLatin1(kCalendarFileName));
    const QString backup =
        platform::findFileIgnoringCase(folder, QString::fromLatin1(kCalendarBackupName));
    bool backedUp = false;
    if (!QFileInfo::exists(backup) && QFileInfo(current).isFile()) {
        platform::writeFileAtomically(backup, platform::readWholeFile(current));
        backedUp = true;
    }
    SaveCalendar(table, current);
    return backedUp;
}

}  // namespace sorvik::records
