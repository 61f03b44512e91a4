#include "strength/double_stars.h"

#include <gtest/gtest.h>

#include "fixture_tables.h"

namespace sorvik::strength {
namespace {

using testing::FixtureTables;
using testing::ListBuilder;
using Entries = std::vector<std::string>;
using engine::Branch;

const engine::StarDisplayNames& names() {
    static const engine::StarDisplayNames instance("*");
    return instance;
}

TEST(DoubleStars, SamePalacePairsInPairOrder) {
    FixtureTables tables;
    ListBuilder lists;
    lists.natal(Branch{4}, {21, 26, 30, 64});
    const DoubleStarEvaluation result =
        evaluateDoubleStars(lists.lists, Branch{4}, tables, names());
    const DoubleStarRelation& same = result.relations[kSamePalace];
    EXPECT_EQ(same.entries, (Entries{"禄存化禄 5", "禄存天馬 3", "化禄天馬 3"}));
    EXPECT_EQ(same.power, " 3.3");
    for (int r = kTrine; r < kRelationCount; ++r) {
        EXPECT_TRUE(result.relations[r].entries.empty()) << r;
        EXPECT_EQ(result.relations[r].power, " 0.0");
    }
    EXPECT_EQ(result.total, "計： 3.3");
}

TEST(DoubleStars, EachRelationFindsItsPairs) {
    FixtureTables tables;
    ListBuilder lists;
    const Branch p = Branch::Zi;
    lists
        .natal(p, {1, 3, 41})             // 紫微 太陽 三台
        .natal(Branch{4}, {42, 17})       // 八座 左輔 (trine)
        .natal(Branch{8}, {7})            // 天府 (trine)
        .natal(Branch{6}, {11, 8})        // 天相 太陰 (opposite)
        .natal(Branch{11}, {15, 24, 25})  // 文昌, 火星 鈴星 (side 亥)
        .natal(Branch{1}, {16, 31, 32});  // 文曲, 地劫 天空 (side 丑)
    const DoubleStarEvaluation result = evaluateDoubleStars(lists.lists, p, tables, names());
    EXPECT_EQ(result.relations[kSamePalace].entries, Entries{});
    EXPECT_EQ(result.relations[kTrine].entries, (Entries{"紫微天府10", "三台八座 1"}));
    EXPECT_EQ(result.relations[kOpposite].entries, (Entries{"紫微天相10", "太陽太陰 8"}));
    EXPECT_EQ(result.relations[kFlanking].entries, (Entries{"文昌文曲 6"}));
    EXPECT_EQ(result.relations[kNeighbour].entries, (Entries{"火星鈴星-4", "地劫天空-4"}));
    EXPECT_EQ(result.relations[kTrine].power, " 1.7");      // 15 × 11 / 100 = 1.65
    EXPECT_EQ(result.relations[kOpposite].power, " 2.7");   // 15 × 18 / 100
    EXPECT_EQ(result.relations[kFlanking].power, " 0.5");   // 8 × 6 / 100 = 0.48
    EXPECT_EQ(result.relations[kNeighbour].power, "-0.6");  // 8 × -8 / 100 = -0.64
    EXPECT_EQ(result.total, "計： 4.3");
}

TEST(DoubleStars, AllPalacesAtOnceAgreeWithEachPalaceAlone) {
    FixtureTables tables;
    ListBuilder lists;
    lists.natal(Branch{0}, {1, 3, 41, 21, 26, 30, 64})
        .natal(Branch{4}, {42, 17, 7})
        .natal(Branch{6}, {11, 8})
        .yearly(Branch{6}, {18})
        .natal(Branch{11}, {15, 24, 25})
        .natal(Branch{1}, {16, 31, 32});
    DoubleStarFindingsByPalace findings;
    findDoubleStarsOfAllPalaces(lists.lists, tables, findings);
    const DoubleStarEntryTexts texts = doubleStarEntryTexts(tables, names());
    for (int p = 0; p < 12; ++p) {
        const DoubleStarEvaluation all = evaluationText(findings[p], texts);
        const DoubleStarEvaluation alone =
            evaluateDoubleStars(lists.lists, static_cast<Branch>(p), tables, names());
        for (int r = 0; r < kRelationCount; ++r) {
            EXPECT_EQ(all.relations[r].entries, alone.relations[r].entries) << p << " " << r;
            EXPECT_EQ(all.relations[r].power, alone.relations[r].power) << p << " " << r;
        }
        EXPECT_EQ(all.total, alone.total) << p;
    }
}

TEST(DoubleStars, TrineWithoutEitherStarInThePalace) {
    // 天魁 in slot 2 of 辰, 天鉞 in 申: counted for 子 only when 子 has a star in slot 2.
    FixtureTables tables;
    ListBuilder lists;
    lists.natal(Branch{4}, {5, 19}).natal(Branch{8}, {20});
    lists.natal(Branch{0}, {2});
    EXPECT_TRUE(evaluateDoubleStars(lists.lists, Branch{0}, tables, names())
                    .relations[kTrine]
                    .entries.empty());
    lists.natal(Branch{0}, {2, 9});
    EXPECT_EQ(
        evaluateDoubleStars(lists.lists, Branch{0}, tables, names()).relations[kTrine].entries,
        Entries{"天魁天鉞 5"});
}

TEST(DoubleStars, OppositeFindsEitherOrderAndYearlySlotsTakePart) {
    FixtureTables tables;
    ListBuilder lists;
    lists.natal(Branch{2}, {5}).yearly(Branch{2}, {18}).natal(Branch{8}, {17});
    // 左輔 in 申 and a yearly slot holding 右弼 in 寅: seen from 寅 the pair is found backwards.
    EXPECT_EQ(
        evaluateDoubleStars(lists.lists, Branch{2}, tables, names()).relations[kOpposite].entries,
        Entries{"左輔右弼 6"});
    // A palace with no star has no slot to start from.
    EXPECT_TRUE(evaluateDoubleStars(lists.lists, Branch{5}, tables, names())
                    .relations[kOpposite]
                    .entries.empty());
}

TEST(DoubleStars, ARelationKeepsThirteenEntries) {
    FixtureTables tables;
    tables.numbers.pairPowers[0] = 1;
    tables.numbers.relationWeights[kSamePalace] = 15;
    engine::PalaceStarLists lists{};
    // 紫微 in slot 1 and 天府 in twenty slots.
    lists[3][0] = 22;
    lists[3][1] = 1;
    for (int i = 2; i <= 21; ++i) {
        lists[3][static_cast<std::size_t>(i)] = 7;
    }
    const auto same = evaluateDoubleStars(lists, Branch{3}, tables, names()).relations[kSamePalace];
    EXPECT_EQ(same.entries.size(), 13u);
    EXPECT_EQ(same.power, " 2.0");  // 15 × 13 / 100 = 1.95
}

}  // namespace
}  // namespace sorvik::strength
