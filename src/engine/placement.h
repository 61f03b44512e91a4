#pragma once

#include <array>
#include <cstdint>

#include "engine/catalogue.h"
#include "engine/chart_record.h"
#include "engine/conversion.h"
#include "engine/placement_tables.h"

namespace sorvik::engine {

inline constexpr int kJieKongSecondRow = 130;  // second palace of 61 截空
inline constexpr int kXunKongSecondRow = 131;  // second palace of 62 旬空
inline constexpr int kMaxNatalStarsInPalace = 18;

// The natal chart: bureau, star rows (indexed by star number; 87..129 and row 0 stay zero) and
// the palace star lists without yearly stars.
struct Placement {
    int bureau = 0;
    StarRows stars{};
    PalaceStarLists palaceStarLists{};

    Branch positionOf(int starNumber) const { return branchAt(stars[starNumber][kStarBranch]); }
};

// Places the 86 natal stars for a converted birth moment. Direction: 0 forward, 1 backward.
// Throws ConversionError when a power cell is not an integer, EngineError for a moment that no
// sound calendar table produces.
Placement PlaceStars(const ConvertedMoment& moment, Counting direction,
                     const PlacementTables& tables);

inline constexpr int kYearlySlots = 11;

// Slot 0 = yearly star count + 1; then star numbers 87..129; 0 = empty.
using YearlyStarList = std::array<std::int32_t, kYearlySlots>;
using YearlyStarLists = std::array<YearlyStarList, 12>;

// The 43 yearly (流) stars of a year, by palace.
YearlyStarLists PlaceYearlyStars(Stem yearStem, Branch yearBranch);

// Writes the yearly stars into natal palace lists, one empty slot after the natal stars. All
// ten yearly slots are rewritten, so a new year replaces the previous one's stars.
void WriteYearlyStars(const YearlyStarLists& yearly, PalaceStarLists& lists);

// The same for a chart record, refreshing its one-byte copy.
void WriteYearlyStars(const YearlyStarLists& yearly, ChartRecord& record);

}  // namespace sorvik::engine
