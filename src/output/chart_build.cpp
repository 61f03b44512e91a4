#include "chart_build.h"

#include "settings/live_cell_settings.h"
#include "settings/system_settings.h"
#include "settings/zi_wei_settings.h"
#include "strength/palace_cells.h"

namespace sorvik::output {

BuiltChart buildChart(const engine::CalendarTable& calendar, const engine::StarDisplayNames& names,
                      const settings::ZiWeiSettings& ziwei, const settings::SystemSettings& system,
                      const engine::BirthMoment& person, const engine::DateTime& target) {
    const strength::GridShape shape{system.starColumnsPerPalace(), system.starRowsPerPalace(),
                                    system.CountInfoRows()};
    BuiltChart built{
        engine::RequestChart(calendar, names, person, target, {ziwei, ziwei.bodyStarRule()}),
        strength::ChartGrid(shape)};
    const settings::LiveCellSettings cells(system, ziwei);
    strength::FillPalaceCells(built.grid, built.chart.record, built.chart.placement.stars,
                              built.chart.target.yearStem, built.chart.monthlyLuckDates, names,
                              cells, ziwei);
    return built;
}

}  // namespace sorvik::output
