#pragma once

#include <array>
#include <cstdint>

#include "engine/chart_record.h"
#include "strength/strength_tables.h"

namespace sorvik::strength {

using PalacePowers = std::array<std::int64_t, 12>;

// The sum of the powers of each palace's natal stars; the yearly stars take no part.
PalacePowers palacePowers(const engine::PalaceStarLists& lists, const StrengthTables& tables);

// The palace's own power plus the weighted powers of its opposite, trine and neighbouring
// palaces and of the 命宮 and 身宮, summed step by step in ten-thousandths as doubles.
double palaceStrength(const PalacePowers& powers, engine::Branch palace, engine::Branch life,
                      engine::Branch body, const PalaceWeights& weights);

// All twelve scores, by branch.
std::array<double, 12> palaceStrengths(const engine::PalaceStarLists& lists, engine::Branch life,
                                       engine::Branch body, const StrengthTables& tables);

}  // namespace sorvik::strength
