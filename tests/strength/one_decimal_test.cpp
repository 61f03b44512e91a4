#include "strength/one_decimal.h"

#include <gtest/gtest.h>

namespace sorvik::strength {
namespace {

TEST(OneDecimal, RoundsTheExactBinaryValueWithHalvesAwayFromZero) {
    struct Case {
        double value;
        int width;
        const char* text;
    };
    const Case cases[] = {
        {2.25, 5, "  2.3"},   // an exact tie goes up, where printf gives 2.2
        {-2.25, 5, " -2.3"},  // and away from zero below zero
        {3.15, 5, "  3.1"},   // the double lies below 3.15
        {0.35, 5, "  0.3"},   // below as well
        {0.05, 5, "  0.1"},   // the double lies above 0.05
        {-3.5, 5, " -3.5"},   {10.2, 5, " 10.2"},     {0.0, 5, "  0.0"},
        {-0.04, 5, "  0.0"},                           // no "-0.0"
        {123.45, 5, "123.5"}, {-123.45, 5, "-123.5"},  // wider than the field: nothing is cut
        {3.9, 4, " 3.9"},     {0.2, 4, " 0.2"},       {1e20, 4, "100000000000000000000.0"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(formatOneDecimal(c.value, c.width), c.text) << c.value;
    }
}

TEST(OneDecimal, ExactHundredthsRoundAsDecimals) {
    // 15 × 1 / 100 is 0.15 exactly, which no double holds.
    EXPECT_EQ(hundredthsToTenths(15), 2);
    EXPECT_EQ(hundredthsToTenths(-15), -2);
    EXPECT_EQ(hundredthsToTenths(14), 1);
    EXPECT_EQ(hundredthsToTenths(390), 39);
    EXPECT_EQ(formatTenths(hundredthsToTenths(-45), kPowerWidth), "-0.5");
    EXPECT_EQ(formatTenths(hundredthsToTenths(-4), kPowerWidth), " 0.0");
}

}  // namespace
}  // namespace sorvik::strength
