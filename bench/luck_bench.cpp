// The luck window's computation: the birth charted again, then the 99 ages and their texts.

#include <benchmark/benchmark.h>

#include "calendar_fixture.h"
#include "settings/luck_ratios.h"
#include "shipped_settings.h"
#include "strength/luck_periods.h"

namespace {

using namespace sorvik;

void BM_LuckPeriodsFromTheEntry(benchmark::State& state) {
    const bench::ShippedSettings shipped;
    const settings::ZiWeiSettings& ziwei = shipped.ziWei;
    const engine::CalendarTable calendar = engine::testing::calendar1984();
    const engine::BirthMoment person{"山田太郎", engine::Sex::Male, "1984/02/02", "12:00"};
    for (auto _ : state) {
        const strength::LuckChart chart = strength::LuckChartOf(calendar, person, ziwei, ziwei);
        strength::LuckPeriods periods =
            strength::ComputeLuckPeriods(chart, settings::luckShares(ziwei.luckRatios()));
        benchmark::DoNotOptimize(periods);
    }
}
BENCHMARK(BM_LuckPeriodsFromTheEntry);

// The table alone, from the twelve strengths.
void BM_LuckTable(benchmark::State& state) {
    strength::LuckChart chart;
    chart.bureau = 4;
    chart.life = engine::Branch::Shen;
    for (std::size_t b = 0; b < 12; ++b) {
        chart.strengths[b] = 3.25 * static_cast<double>(b) - 11.0;
    }
    for (auto _ : state) {
        strength::LuckPeriods periods = strength::ComputeLuckPeriods(chart, {60, 30, 10});
        benchmark::DoNotOptimize(periods);
    }
}
BENCHMARK(BM_LuckTable);

}  // namespace
