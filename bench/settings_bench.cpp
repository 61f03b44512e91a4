// The chart numbers read through the settings store itself, as charts and list rows read them.

#include <benchmark/benchmark.h>

#include "engine/placement.h"
#include "placement_fixture.h"
#include "settings/zi_wei_settings.h"
#include "shipped_settings.h"
#include "strength/double_stars.h"
#include "strength/one_decimal.h"
#include "strength/palace_strength.h"

namespace {

using namespace sorvik;

using Store = bench::ShippedSettings;

// The worked chart: 甲子, month 1, day 1, hour 午 (命宮 and 身宮 申).
engine::ConvertedMoment moment() {
    return engine::testing::lunarMoment(engine::Stem::Jia, engine::Branch::Zi, 1, 1,
                                        engine::Branch::Wu);
}

void BM_StoreStrengthsOnly(benchmark::State& state) {
    Store store;
    const engine::ConvertedMoment m = moment();
    const engine::Placement p = engine::PlaceStars(m, engine::Counting::Forward, store.ziWei);
    for (auto _ : state) {
        benchmark::DoNotOptimize(
            strength::palaceStrengths(p.palaceStarLists, m.lifePalace, m.bodyPalace, store.ziWei));
    }
}
BENCHMARK(BM_StoreStrengthsOnly);

// What the palace detail does once per click.
void BM_DoubleStarsOfOnePalace(benchmark::State& state) {
    Store store;
    const engine::Placement p =
        engine::PlaceStars(moment(), engine::Counting::Forward, store.ziWei);
    for (auto _ : state) {
        benchmark::DoNotOptimize(strength::evaluateDoubleStars(
            p.palaceStarLists, engine::Branch::Shen, store.ziWei, store.names));
    }
}
BENCHMARK(BM_DoubleStarsOfOnePalace);

void BM_FormatTwelveStrengths(benchmark::State& state) {
    const double scores[12] = {10.2, 5.25, -3.5, 0.3, 2.25, 3.15, 0, -0.04, 12.34, 1, 7.77, 9.99};
    for (auto _ : state) {
        for (const double s : scores) {
            benchmark::DoNotOptimize(strength::formatOneDecimal(s, strength::kStrengthWidth));
        }
    }
}
BENCHMARK(BM_FormatTwelveStrengths);

// The first reader after an edit converts every cell again.
void BM_FirstReadAfterAnEdit(benchmark::State& state) {
    Store store;
    for (auto _ : state) {
        store.ziWei.setCell(settings::Grid::Powers, 1, 1, QStringLiteral("6"));
        benchmark::DoNotOptimize(store.ziWei.power(1, engine::Branch::Zi));
    }
}
BENCHMARK(BM_FirstReadAfterAnEdit);

}  // namespace
