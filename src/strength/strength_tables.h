#pragma once

#include <array>
#include <cstdint>

#include "engine/catalogue.h"

namespace sorvik::strength {

inline constexpr int kDoubleStarPairCount = 25;
inline constexpr int kRelationCount = 5;

// The weights of the palace strength, each a percentage in ten-thousandths (50 % is 500000).
struct PalaceWeights {
    std::int64_t life = 0;       // 命宮
    std::int64_t body = 0;       // 身宮
    std::int64_t opposite = 0;   // 対宮
    std::int64_t trine = 0;      // each of the two 三合宮
    std::int64_t neighbour = 0;  // each of the two 隣宮
};

// The numbers of the double-star evaluation.
struct DoubleStarNumbers {
    std::array<int, kDoubleStarPairCount> pairPowers{};  // by pair, in the fixed pair order
    std::array<int, kRelationCount> relationWeights{};  // percent: 同宮 加会 冲照 夾照 隣宮
};

// The numbers the strength scores read, already converted; the Zi Wei settings store provides
// them, tests give small fixtures. Each reader throws engine::ConversionError for a cell it
// needs that does not hold a number.
class StrengthTables {
  public:
    virtual ~StrengthTables() = default;
    // Power of a star (1..129) in a branch.
    virtual int power(int starNumber, engine::Branch branch) const = 0;
    virtual const PalaceWeights& palaceWeights() const = 0;
    virtual const DoubleStarNumbers& doubleStarNumbers() const = 0;
};

}  // namespace sorvik::strength
