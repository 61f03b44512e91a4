#include "name_summary.h"

#include <QFileInfo>
#include <QJsonArray>

#include "engine/errors.h"
#include "platform/file_names.h"
#include "platform/key_store.h"
#include "records/chart_summary.h"
#include "records/name_file.h"
#include "settings/listed_stars.h"
#include "settings/zi_wei_settings.h"

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

}  // namespace

QString summariseNameFile(const QString& nameFile, const engine::CalendarTable& calendar,
                          const QString& dataDir, const QString& keyStorePath,
                          records::NameList& list) {
    QList<int> unreadableRows;
    QList<int> unknownSexRows;
    list.reset(records::readNameFile(nameFile, &unreadableRows, &unknownSexRows));
    const engine::StarDisplayNames names = engine::BuildStarDisplayNames(kSpecialChar);
    platform::KeyStore keys(keyStorePath);
    settings::ZiWeiSettings ziWei(dataDir, keys, names);
    ziWei.startUp();
    const records::SummaryContext context(calendar, names, ziWei, ziWei.bodyStarRule(),
                                          settings::readListedStars(settingsFileOf(dataDir)));
    const records::SummaryRun run = records::summariseList(list, context);
    if (run.stoppedAt) {
        throw engine::ConversionError(run.message.toStdString());
    }
    return records::nameFileReadingMessage(nameFile, unreadableRows, unknownSexRows);
}

QJsonObject summaryJson(const records::NameList& list) {
    QJsonArray rows;
    for (int row = 0; row < list.rowCount() && !list.isEmpty(); ++row) {
        QJsonArray cells;
        for (const QString& cell : list.row(row)) {
            cells.append(cell);
        }
        rows.append(cells);
    }
    return {{QStringLiteral("rows"), rows}};
}

}  // namespace sorvik::cli
