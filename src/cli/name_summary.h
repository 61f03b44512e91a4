#pragma once

#include <functional>
#include <optional>

#include <QByteArray>
#include <QString>

#include "engine/calendar_table.h"
#include "engine/catalogue.h"
#include "platform/key_store.h"
#include "records/chart_summary.h"
#include "records/name_list.h"
#include "settings/zi_wei_settings.h"

namespace sorvik::cli {

// The summaries of a name file as the name list's 命盤ﾃﾞｰﾀ生成 makes them (the star tables of
// the data folder, the stars its settings file lists and the user's 身主 rule from the key
// store), taken one person at a time from the file, so that a file of any length needs the
// memory of one person and one chart.
class NameFileSummary {
  public:
    // Reads the file through once, before anything is given. Throws platform::FileError for a
    // file that cannot be read and engine::EngineError (with the list's message) for a row
    // whose date and time are no moment.
    NameFileSummary(QString nameFile, const engine::CalendarTable& calendar, const QString& dataDir,
                    const QString& keyStorePath);

    // What reading the file has to tell (unreadable bytes, a sex of neither kind), or empty.
    const QString& told() const { return told_; }

    // Each row as the name list holds it after the run, in file order; a file without a
    // person gives the list's one blank row. Reads the file again; throws as above.
    void forEachRow(const std::function<void(const records::NameList::Row&)>& take) const;

    // {"rows": [[38 texts], ...]} as compact JSON, in pieces; no rows without a person.
    void writeJson(const std::function<void(const QByteArray&)>& write) const;

  private:
    QString nameFile_;
    const engine::CalendarTable& calendar_;
    engine::StarDisplayNames names_;
    platform::KeyStore keys_;
    settings::ZiWeiSettings ziWei_;
    std::optional<records::SummaryContext> context_;
    bool empty_ = true;
    QString told_;
};

}  // namespace sorvik::cli
