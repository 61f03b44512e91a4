#include "chart_maker.h"

#include "engine/errors.h"
#include "strength/one_decimal.h"
#include "strength/palace_strength.h"

namespace sorvik::cli {

namespace {

// The substitute for the character missing from the star names, as the program ships it.
constexpr const char* kDefaultSpecialChar = "殺";

}  // namespace

ChartMaker::ChartMaker(const engine::CalendarTable& calendar, const QString& dataDir,
                       const QString& keyStorePath)
    : calendar_(calendar),
      names_(engine::BuildStarDisplayNames(kDefaultSpecialChar)),
      keys_(keyStorePath),
      ziWei_(dataDir, keys_, names_) {
    ziWei_.startUp();
    ziWei_.convertCells();  // make() may run on several threads at once
    try {
        doubleStarTexts_ = strength::doubleStarEntryTexts(ziWei_, names_);
    } catch (const engine::ConversionError&) {
        // Left to make(), where the chart's line reports it.
    }
}

ChartOutput ChartMaker::make(const engine::BirthMoment& person,
                             const engine::DateTime& target) const {
    const engine::ChartSettings chartSettings{ziWei_, ziWei_.bodyStarRule()};
    // Made in place: a chart is some ten kilobytes of tables.
    ChartOutput out{engine::RequestChart(calendar_, names_, person, target, chartSettings),
                    0,
                    {},
                    {},
                    nullptr};
    const engine::ChartRecord& record = out.chart.record;
    const engine::StarRow& header = record.header();
    out.dokun = static_cast<int>(engine::Dokun(
        header[engine::kHeaderLunarMonth], header[engine::kHeaderLeapAdjust], record.hourBranch()));
    const std::array<double, 12> scores = strength::palaceStrengths(
        record.palaceStarLists, record.lifePalace(), record.bodyPalace(), ziWei_);
    for (std::size_t p = 0; p < 12; ++p) {
        out.palaceStrength[p] = strength::formatOneDecimal(scores[p], strength::kStrengthWidth);
    }
    // Throws for a damaged double-star number, the one case without entry texts.
    strength::findDoubleStarsOfAllPalaces(record.palaceStarLists, ziWei_, out.doubleStars);
    out.doubleStarTexts = &*doubleStarTexts_;
    return out;
}

strength::LuckPeriods ChartMaker::luck(const engine::BirthMoment& person) const {
    return strength::ComputeLuckPeriods(strength::LuckChartOf(calendar_, person, ziWei_, ziWei_),
                                        settings::luckShares(ziWei_.luckRatios()));
}

}  // namespace sorvik::cli
