#pragma once

#include <optional>

#include <QString>

#include "cli/chart_json.h"
#include "engine/calendar_table.h"
#include "engine/catalogue.h"
#include "platform/key_store.h"
#include "settings/zi_wei_settings.h"

namespace sorvik::cli {

// The star tables beside the program and the user's stored rules, read once, and the charts
// made with them.
class ChartMaker {
  public:
    // The stored rules come from the key store file at `keyStorePath`.
    ChartMaker(const engine::CalendarTable& calendar, const QString& dataDir,
               const QString& keyStorePath = platform::KeyStore::defaultFilePath());

    // Safe to call from several threads at once. Throws engine::EngineError (a birth or target the
    // calendar cannot convert) and platform::FileError (a table cell that is not a number).
    ChartOutput make(const engine::BirthMoment& person, const engine::DateTime& target) const;
    // The luck periods of a birth with the stored ratios; throws as make() does.
    strength::LuckPeriods luck(const engine::BirthMoment& person) const;

  private:
    const engine::CalendarTable& calendar_;
    engine::StarDisplayNames names_;
    platform::KeyStore keys_;
    settings::ZiWeiSettings ziWei_;
    // Made once; none while a double-star number of the settings is damaged, so that each chart
    // meets that error as before.
    std::optional<strength::DoubleStarEntryTexts> doubleStarTexts_;
};

}  // namespace sorvik::cli
