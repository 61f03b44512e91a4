#pragma once

#include "strength/luck_periods.h"

namespace sorvik::settings {

// The positions of the three ratio bars, each 0..100; the rules keep their sum at 100.
struct LuckRatios {
    int major = 60;  // 大限 (TBar1)
    int minor = 30;  // 小限 (TBar2)
    int year = 10;   // 太歳 (TBar3)

    int sum() const { return major + minor + year; }
    bool operator==(const LuckRatios&) const = default;
};

// Rule A, run when the 大限 or 小限 bar moves: first the 太歳, then the 小限 give way.
LuckRatios luckRuleA(LuckRatios ratios);
// Rule B, run when the 太歳 bar moves and at the end of rule A: the 小限, then the 大限 give way.
LuckRatios luckRuleB(LuckRatios ratios);

// Moving a bar clamps it to 0..100; when its position changes, its rule runs.
LuckRatios moveMajorBar(LuckRatios ratios, int position);
LuckRatios moveMinorBar(LuckRatios ratios, int position);
LuckRatios moveYearBar(LuckRatios ratios, int position);

// The shares of the three values in the luck total.
strength::LuckShares luckShares(LuckRatios ratios);

}  // namespace sorvik::settings
