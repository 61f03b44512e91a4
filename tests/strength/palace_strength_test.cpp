#include "strength/palace_strength.h"

#include <gtest/gtest.h>

#include "fixture_tables.h"
#include "strength/one_decimal.h"

namespace sorvik::strength {
namespace {

using engine::Branch;
using testing::FixtureTables;
using testing::ListBuilder;

std::array<std::string, 12> texts(const std::array<double, 12>& scores) {
    std::array<std::string, 12> result;
    for (std::size_t b = 0; b < 12; ++b) {
        result[b] = formatOneDecimal(scores[b], kStrengthWidth);
    }
    return result;
}

TEST(PalaceStrength, OnePoweredPalaceSpreadsByTheWeights) {
    FixtureTables tables;
    tables.powers[{1, 0}] = 10;
    tables.powers[{1, 5}] = 7;  // the same star elsewhere does not count here
    ListBuilder lists;
    lists.natal(Branch{0}, {1}).natal(Branch{3}, {2, 15});
    // 子 is the 命宮 and the 身宮.
    const auto scores = texts(palaceStrengths(lists.lists, Branch{0}, Branch{0}, tables));
    const std::array<std::string, 12> expected = {" 10.2", "  0.3", "  0.2", "  0.2",
                                                  "  3.2", "  0.2", "  5.2", "  0.2",
                                                  "  3.2", "  0.2", "  0.2", "  0.3"};
    EXPECT_EQ(scores, expected);
}

TEST(PalaceStrength, AllZeroAndNegativePowers) {
    FixtureTables tables;
    ListBuilder lists;
    lists.natal(Branch{0}, {22, 23}).natal(Branch{6}, {1});
    for (const auto& text : texts(palaceStrengths(lists.lists, Branch{0}, Branch{0}, tables))) {
        EXPECT_EQ(text, "  0.0");
    }
    tables.powers[{22, 0}] = -4;
    tables.powers[{23, 0}] = -3;
    // 命宮 and 身宮 at 未, which holds nothing: 午 gets half of 子's -7.
    const auto scores = texts(palaceStrengths(lists.lists, Branch{7}, Branch{7}, tables));
    EXPECT_EQ(scores[0], " -7.0");
    EXPECT_EQ(scores[6], " -3.5");
    EXPECT_EQ(scores[4], " -2.1");
}

TEST(PalaceStrength, YearlyStarsAfterTheGapDoNotCount) {
    FixtureTables tables;
    tables.powers[{5, 2}] = 4;
    tables.powers[{88, 2}] = -9;
    tables.powers[{118, 2}] = 10;
    ListBuilder with;
    with.natal(Branch{2}, {5}).yearly(Branch{2}, {88, 118});
    ListBuilder without;
    without.natal(Branch{2}, {5});
    EXPECT_EQ(palacePowers(with.lists, tables), palacePowers(without.lists, tables));
    EXPECT_EQ(palacePowers(with.lists, tables)[2], 4);
}

TEST(PalaceStrength, LifeAndBodyCountForThemselvesToo) {
    FixtureTables tables;
    PalacePowers powers{};
    powers[3] = 100;
    // 命宮 and 身宮 at 卯: 1.02 times its own power.
    EXPECT_DOUBLE_EQ(palaceStrength(powers, Branch{3}, Branch{3}, Branch{3}, tables.weights),
                     102.0);
    EXPECT_DOUBLE_EQ(palaceStrength(powers, Branch{3}, Branch{3}, Branch{9}, tables.weights),
                     101.0);
    // A weight with four decimals.
    tables.weights.opposite = 12345;  // 1.2345 %
    EXPECT_EQ(
        formatOneDecimal(palaceStrength(powers, Branch{9}, Branch{0}, Branch{0}, tables.weights),
                         kStrengthWidth),
        "  1.2");
}

TEST(PalaceStrength, DamagedInputStaysDefined) {
    FixtureTables tables;
    tables.powers[{1, 0}] = 2;
    engine::PalaceStarLists lists{};
    lists[0].fill(1);
    lists[0][0] = 1000;
    EXPECT_EQ(palacePowers(lists, tables)[0], 2 * 30);
    lists[0][0] = -3;
    EXPECT_EQ(palacePowers(lists, tables)[0], 0);

    // Hand-edited powers far outside the range neither overflow nor lose the sum:
    // 3 × 2147483647 × 1.02.
    tables.powers[{1, 0}] = 2147483647;
    lists[0][0] = 3;
    const auto scores = palaceStrengths(lists, Branch{0}, Branch{0}, tables);
    EXPECT_EQ(formatOneDecimal(scores[0], kStrengthWidth), "6571299959.8");
}

}  // namespace
}  // namespace sorvik::strength
