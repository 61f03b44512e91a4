#include "name_summary.h"

#include <algorithm>

#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>

#include "engine/errors.h"
#include "platform/file_names.h"
#include "platform/line_reader.h"
#include "platform/sjis.h"
#include "records/name_file.h"
#include "settings/listed_stars.h"

namespace sorvik::cli {

namespace {

constexpr const char* kSpecialChar = "殺";

// The settings file the program starts with when none is chosen: Default.ini, else
// DEFAULT.SET.
QString settingsFileOf(const QString& dataDir) {
    const QString ini = platform::findFileIgnoringCase(dataDir, QStringLiteral("Default.ini"));
    return QFileInfo(ini).isFile()
               ? ini
               : platform::findFileIgnoringCase(dataDir, QStringLiteral("DEFAULT.SET"));
}

// The persons of the file one at a time, read as the name file reader reads them.
template <typename Take>
void readPersons(const QString& nameFile, Take take) {
    platform::LineReader reader(nameFile);
    QByteArray bytes;
    int number = 0;
    while (reader.next(bytes)) {
        bool unreadable = false;
        take(++number, records::readNameLine(platform::decodeSjis(bytes, unreadable)), unreadable);
    }
}

}  // namespace

NameFileSummary::NameFileSummary(QString nameFile, const engine::CalendarTable& calendar,
                                 const QString& dataDir, const QString& keyStorePath)
    : nameFile_(std::move(nameFile)),
      calendar_(calendar),
      names_(engine::BuildStarDisplayNames(kSpecialChar)),
      keys_(keyStorePath),
      ziWei_(dataDir, keys_, names_) {
    QList<int> unreadableRows;
    QList<int> unknownSexRows;
    QString stop;
    int rows = 0;
    bool firstNameEmpty = false;
    readPersons(nameFile_, [&](int number, const records::NameList::Row& row, bool unreadable) {
        rows = number;
        firstNameEmpty = number == 1 ? row[records::NameList::kName].isEmpty() : firstNameEmpty;
        if (unreadable) {
            unreadableRows.append(number);
        }
        if (records::readsAsUnknownSex(row)) {
            unknownSexRows.append(number);
        }
        if (stop.isEmpty() && !records::skippedBySummary(row) && !records::rowMoment(row)) {
            stop = records::unreadableMomentMessage(row, number - 1);
        }
    });
    // As the list holds it: no row, or the one row without a name, is no person.
    empty_ = rows == 0 || (rows == 1 && firstNameEmpty);
    if (!empty_ && !stop.isEmpty()) {
        throw engine::ConversionError(stop.toStdString());
    }
    told_ = records::nameFileReadingMessage(nameFile_, unreadableRows, unknownSexRows);
    ziWei_.startUp();
    context_.emplace(calendar_, names_, ziWei_, ziWei_.bodyStarRule(),
                     settings::readListedStars(settingsFileOf(dataDir)));
}

void NameFileSummary::forEachRow(
    const std::function<void(const records::NameList::Row&)>& take) const {
    bool any = false;
    readPersons(nameFile_, [&](int, records::NameList::Row row, bool) {
        any = true;
        const std::optional<engine::DateTime> moment = records::rowMoment(row);
        if (!empty_ && !records::skippedBySummary(row) && moment &&
            calendar_.inRange(moment->date)) {
            const records::Summary summary =
                records::ComputeSummary(*context_, records::rowSex(row), *moment);
            std::copy(summary.begin(), summary.end(), row.begin() + records::kFirstSummaryColumn);
        }
        take(row);
    });
    if (!any) {
        take(records::NameList::Row{});
    }
}

void NameFileSummary::writeJson(const std::function<void(const QByteArray&)>& write) const {
    write(QByteArrayLiteral("{\"rows\":["));
    if (!empty_) {
        bool first = true;
        forEachRow([&](const records::NameList::Row& row) {
            QJsonArray cells;
            for (const QString& cell : row) {
                cells.append(cell);
            }
            write((first ? QByteArray() : QByteArrayLiteral(",")) +
                  QJsonDocument(cells).toJson(QJsonDocument::Compact));
            first = false;
        });
    }
    write(QByteArrayLiteral("]}"));
}

}  // namespace sorvik::cli
