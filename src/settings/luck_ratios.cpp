#include "settings/luck_ratios.h"

#include <algorithm>

namespace sorvik::settings {

namespace {

// A bar that changes runs its rule at once, inside the rule that moved it.
void setBar(LuckRatios& ratios, int LuckRatios::*bar, int position) {
    position = std::clamp(position, 0, 100);
    if (ratios.*bar == position) {
        return;
    }
    ratios.*bar = position;
    ratios = bar == &LuckRatios::year ? luckRuleB(ratios) : luckRuleA(ratios);
}

}  // namespace

LuckRatios luckRuleA(LuckRatios r) {
    if (r.sum() > 100) {
        setBar(r, &LuckRatios::year, 100 - r.major - r.minor);
    }
    if (r.sum() < 100) {
        setBar(r, &LuckRatios::minor, 100 - r.major - r.year);
    }
    setBar(r, &LuckRatios::year, 100 - r.major - r.minor);
    return luckRuleB(r);
}

LuckRatios luckRuleB(LuckRatios r) {
    if (r.sum() > 100) {
        setBar(r, &LuckRatios::minor, 100 - r.major - r.year);
    }
    setBar(r, &LuckRatios::major, 100 - r.minor - r.year);
    return r;
}

LuckRatios moveMajorBar(LuckRatios ratios, int position) {
    setBar(ratios, &LuckRatios::major, position);
    return ratios;
}

LuckRatios moveMinorBar(LuckRatios ratios, int position) {
    setBar(ratios, &LuckRatios::minor, position);
    return ratios;
}

LuckRatios moveYearBar(LuckRatios ratios, int position) {
    setBar(ratios, &LuckRatios::year, position);
    return ratios;
}

strength::LuckShares luckShares(LuckRatios ratios) {
    return {ratios.major, ratios.minor, ratios.year};
}

}  // namespace sorvik::settings
