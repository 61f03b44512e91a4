#include "settings/luck_ratios.h"

#include <gtest/gtest.h>

namespace sorvik::settings {
namespace {

TEST(LuckRatios, MovesFromTheDefaults) {
    struct Case {
        LuckRatios (*move)(LuckRatios, int);
        int position;
        LuckRatios expected;
    };
    const Case cases[] = {
        {moveMajorBar, 70, {70, 30, 0}},  {moveMajorBar, 20, {20, 70, 10}},
        {moveMinorBar, 45, {60, 40, 0}},  {moveMinorBar, 20, {60, 30, 10}},
        {moveYearBar, 20, {60, 20, 20}},  {moveYearBar, 0, {70, 30, 0}},
        {moveMajorBar, 150, {100, 0, 0}}, {moveYearBar, -5, {70, 30, 0}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(c.move(LuckRatios{}, c.position), c.expected) << c.position;
    }
}

TEST(LuckRatios, EveryMoveFromAnyStateEndsAtOneHundred) {
    // Starting states include loaded ones that do not sum to 100.
    for (int major = 0; major <= 100; major += 10) {
        for (int minor = 0; minor <= 100; minor += 10) {
            for (int year = 0; year <= 100; year += 10) {
                const LuckRatios start{major, minor, year};
                for (int position = -10; position <= 110; position += 5) {
                    for (auto move : {moveMajorBar, moveMinorBar, moveYearBar}) {
                        const LuckRatios r = move(luckRuleA(start), position);
                        ASSERT_EQ(r.sum(), 100);
                        ASSERT_GE(r.year, 0);
                        ASSERT_GE(r.minor, 0);
                        ASSERT_GE(r.major, 0);
                    }
                }
                ASSERT_EQ(luckRuleA(start).sum(), 100);
            }
        }
    }
}

}  // namespace
}  // namespace sorvik::settings
