#pragma once

#include <QJsonObject>
#include <QString>

#include "engine/calendar_table.h"
#include "records/name_list.h"

namespace sorvik::cli {

// Reads a name file into the list with the summaries as the name list's 命盤ﾃﾞｰﾀ生成 makes them:
// the star tables of the data folder, the stars its settings file lists and the user's 身主 rule
// from the key store. Throws platform::FileError for a file that cannot be read and
// engine::EngineError (with the list's message) for a row whose date and time are no moment.
// Returns what reading the file has to tell (unreadable bytes, a sex of neither kind), or an
// empty text.
QString summariseNameFile(const QString& nameFile, const engine::CalendarTable& calendar,
                          const QString& dataDir, const QString& keyStorePath,
                          records::NameList& list);

// {"rows": [[38 texts], ...]}: the persons in file order; an empty list has none.
QJsonObject summaryJson(const records::NameList& list);

}  // namespace sorvik::cli
