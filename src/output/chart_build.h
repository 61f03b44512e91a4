#pragma once

#include "engine/calendar_table.h"
#include "engine/chart_request.h"
#include "strength/chart_grid.h"

namespace sorvik::settings {
class SystemSettings;
class ZiWeiSettings;
}  // namespace sorvik::settings

// A chart and its filled grid without a window, as a chart window shows it after its request:
// for exporting charts from the command line.
namespace sorvik::output {

struct BuiltChart {
    engine::Chart chart;
    strength::ChartGrid grid;
};

// Throws engine::EngineError for a birth or target the calendar cannot convert.
BuiltChart buildChart(const engine::CalendarTable& calendar, const engine::StarDisplayNames& names,
                      const settings::ZiWeiSettings& ziwei, const settings::SystemSettings& system,
                      const engine::BirthMoment& person, const engine::DateTime& target);

}  // namespace sorvik::output
