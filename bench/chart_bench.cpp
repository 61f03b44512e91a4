// Placement, patterns and the twelve palace strengths of one chart.

#include <benchmark/benchmark.h>

#include <array>

#include "engine/patterns.h"
#include "engine/placement.h"
#include "placement_fixture.h"
#include "settings/zi_wei_settings.h"
#include "shipped_settings.h"
#include "strength/palace_strength.h"

namespace {

using namespace sorvik;

// In-memory tables behind the same interfaces the settings store serves, with the numbers
// already converted as the store keeps them between edits.
class Tables : public engine::PlacementTables, public strength::StrengthTables {
  public:
    Tables() {
        for (int n = 1; n <= engine::kStarCount; ++n) {
            for (int b = 0; b < 12; ++b) {
                powers_[n][b] = (n * 7 + b * 3) % 20 - 9;
                brightness_[n][b] = (n + b) % 8;
            }
        }
        weights_ = {10000, 10000, 500000, 300000, 10000};
    }
    int power(int starNumber, engine::Branch branch) const override {
        return powers_[starNumber][engine::index(branch)];
    }
    int brightness(int starNumber, engine::Branch branch) const override {
        return brightness_[starNumber][engine::index(branch)];
    }
    int tianMaRule() const override { return 0; }
    const strength::PalaceWeights& palaceWeights() const override { return weights_; }
    const strength::DoubleStarNumbers& doubleStarNumbers() const override { return numbers_; }

  private:
    std::array<std::array<int, 12>, engine::kStarCount + 1> powers_{};
    std::array<std::array<int, 12>, engine::kStarCount + 1> brightness_{};
    strength::PalaceWeights weights_;
    strength::DoubleStarNumbers numbers_;
};

// The worked chart: 甲子, month 1, day 1, hour 午 (命宮 and 身宮 申).
engine::ConvertedMoment moment() {
    return engine::testing::lunarMoment(engine::Stem::Jia, engine::Branch::Zi, 1, 1,
                                        engine::Branch::Wu);
}

// Everything a chart computes from its stars; the tables serve both views.
template <typename ChartTables>
void computeCharts(benchmark::State& state, const ChartTables& tables) {
    const engine::ConvertedMoment m = moment();
    for (auto _ : state) {
        const engine::Placement p = engine::PlaceStars(m, engine::Counting::Forward, tables);
        const engine::PatternFlags flags =
            engine::FindPatterns(p.stars, m.lifePalace, m.bodyPalace, engine::Sex::Male);
        const std::array<double, 12> scores =
            strength::palaceStrengths(p.palaceStarLists, m.lifePalace, m.bodyPalace, tables);
        benchmark::DoNotOptimize(flags);
        benchmark::DoNotOptimize(scores);
    }
}

void BM_PlacementPatternsStrengths(benchmark::State& state) {
    computeCharts(state, Tables());
}
BENCHMARK(BM_PlacementPatternsStrengths);

// The same with the settings store over the shipped tables, as the program computes a chart.
void BM_ChartWithShippedTables(benchmark::State& state) {
    const bench::ShippedSettings shipped;
    computeCharts(state, shipped.ziWei);
}
BENCHMARK(BM_ChartWithShippedTables);

void BM_Placement(benchmark::State& state) {
    const Tables tables;
    const engine::ConvertedMoment m = moment();
    for (auto _ : state) {
        benchmark::DoNotOptimize(engine::PlaceStars(m, engine::Counting::Forward, tables));
    }
}
BENCHMARK(BM_Placement);

void BM_Patterns(benchmark::State& state) {
    const Tables tables;
    const engine::ConvertedMoment m = moment();
    const engine::Placement p = engine::PlaceStars(m, engine::Counting::Forward, tables);
    for (auto _ : state) {
        benchmark::DoNotOptimize(
            engine::FindPatterns(p.stars, m.lifePalace, m.bodyPalace, engine::Sex::Male));
    }
}
BENCHMARK(BM_Patterns);

}  // namespace
