#include "engine/patterns.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "engine/placement.h"
#include "placement_fixture.h"

namespace sorvik::engine {
namespace {

using testing::CellTables;
using testing::lunarMoment;

using enum Branch;

std::set<int> flagged(const PatternFlags& flags) {
    std::set<int> result;
    for (int i = 0; i < kPatternCount; ++i) {
        if (flags[i] != 0) {
            result.insert(i);
        }
    }
    return result;
}

TEST(FindPatterns, WorkedChartHoldsExactlyOnePattern) {
    const Placement p =
        PlaceStars(lunarMoment(Stem::Jia, Zi, 1, 1, Wu), Counting::Forward, CellTables());
    EXPECT_EQ(flagged(FindPatterns(p.stars, Shen, Shen, Sex::Male)), std::set<int>{4});
    EXPECT_EQ(patternName(4), "巨日同格");
    EXPECT_EQ(patternName(36), "探花　　");
}

struct Placed {
    int star;
    Branch branch;
    int brightness = 0;
};

// Star rows with only the named stars placed; every other star stands nowhere.
StarRows chartWith(const std::vector<Placed>& placed) {
    StarRows rows{};
    for (int n = 1; n < kStarRows; ++n) {
        rows[n][kStarBranch] = -1;
        rows[n][kStarClass] = starInfo(n <= kStarCount ? n : n - 69).classCode;
    }
    for (const Placed& p : placed) {
        rows[p.star][kStarBranch] = index(p.branch);
        rows[p.star][kStarBrightness] = p.brightness;
    }
    return rows;
}

struct PatternCase {
    const char* what;
    Branch life, body;
    int sex;  // the entry bar item: 0 男, 1 女
    std::vector<Placed> stars;
    std::set<int> expected;
};

// Each case lists every pattern that holds, so a rule that fires where it should not shows.
TEST(FindPatterns, Rules) {
    const PatternCase cases[] = {
        {"empty 命宮", Zi, Zi, 0, {}, {16}},
        {"紫府朝垣", Yin, Yin, 0, {{11, Yin}, {1, Wu}, {7, Xu}, {15, Yin}}, {0}},
        {"府相朝垣 from the outer trine", Zi, Zi, 0, {{7, Chen}, {11, Shen}, {26, Zi}}, {1, 16}},
        {"府相朝垣 needs both away from 命宮", Zi, Zi, 0, {{7, Zi}, {11, Shen}, {26, Zi}}, {}},
        {"石中隠玉", Zi, Zi, 0, {{10, Zi}, {28, Shen}}, {2}},
        {"石中隠玉 needs a good star", Zi, Zi, 0, {{10, Zi}, {22, Shen}}, {}},
        {"機月同梁", Yin, Yin, 0, {{2, Yin}, {8, Wu}, {5, Xu}, {12, Yin}, {20, Xu}}, {3}},
        {"巨日同格 and 官封三代 in 寅", Yin, Yin, 0, {{3, Yin}, {10, Yin}, {21, Yin}}, {4, 37}},
        {"日照雷門 from L + 4", Hai, Hai, 0, {{3, Wei}, {12, Mao}, {16, Hai}}, {5, 16}},
        {"明珠出海", Wei, Wei, 0, {{3, Mao}, {8, Hai}, {17, Wei}}, {6, 16}},
        {"日月並明 in 午", Wu, Wu, 0, {{3, Yin}, {8, Zi}, {18, Xu}}, {7, 16}},
        {"月生滄海 from L + 3", You, You, 0, {{5, Zi}, {8, Zi}, {17, Chen}}, {8, 16}},
        {"日月夾命 from L + 8",
         Si,
         Si,
         0,
         {{4, Chou}, {9, Chou}, {3, Yin}, {8, Zi}, {19, Si}},
         {9, 16, 17}},
        {"日月夾命 needs the flanking pair",
         Si,
         Si,
         0,
         {{4, Chou}, {9, Chou}, {3, Yin}, {8, Mao}, {19, Si}},
         {16, 17}},
        {"馬頭帯箭: 擎羊 in a 午 命宮", Wu, Wu, 0, {{22, Wu}}, {13, 16}},
        {"馬頭帯箭 only in 午", Zi, Zi, 0, {{22, Zi}}, {16}},
        {"天乙挟命 flanking the 身宮", Zi, Chen, 0, {{19, Mao}, {20, Si}, {15, Shen}}, {16, 17}},
        {"三奇加会 without good-star test",
         Zi,
         Zi,
         0,
         {{26, Zi}, {27, Chen}, {28, Shen}},
         {16, 18}},
        {"左右同宮 in the 身宮 with a bright main star",
         Zi,
         Chou,
         0,
         {{17, Chou}, {18, Chou}, {1, Chou, 1}},
         {16, 19}},
        {"左右同宮 not with a fallen main star",
         Zi,
         Chou,
         0,
         {{17, Chou}, {18, Chou}, {1, Chou, 7}},
         {16}},
        {"文桂文華 beside 日月夾命 by 天府",
         Wei,
         Wei,
         0,
         {{15, Wei}, {16, Wei}, {7, Wei, 2}},
         {9, 20}},
        {"貪火相逢 with 鈴星", Chen, Chen, 0, {{9, Chen}, {25, Chen}}, {21}},
        {"貪火相逢 with 火星", Xu, Xu, 0, {{9, Xu}, {24, Xu}}, {21}},
        {"貪火相逢 not in 丑", Chou, Chou, 0, {{9, Chou}, {24, Chou}}, {}},
        {"梁馬飄蕩 with a fallen 天梁", Si, Si, 0, {{12, Wu, 7}, {30, Si}}, {16, 22}},
        {"梁馬飄蕩 not with a level 天梁", Si, Si, 0, {{12, Wu, 5}, {30, Si}}, {16}},
        {"梁馬飄蕩 by a bad star", Hai, Hai, 0, {{12, Wu, 6}, {31, Mao}}, {16, 22}},
        {"馬落空亡", Yin, Yin, 0, {{30, Yin}, {31, Yin}, {32, Yin}, {21, Shen}}, {16, 23}},
        {"禄合鴛鴦", Wu, Wu, 0, {{21, Wu}, {26, Wu}}, {16, 28}},
        {"両重華蓋 with 擎羊 opposite", Wu, Wu, 0, {{21, Wu}, {26, Wu}, {22, Zi}}, {16, 29}},
        {"禄合鴛鴦 in L + 8", Zi, Zi, 0, {{21, Shen}, {26, Shen}}, {16, 28}},
        {"禄 pair elsewhere", Zi, Zi, 0, {{21, Mao}, {26, Mao}}, {16}},
        {"禄馬交馳", Zi, Zi, 0, {{21, Zi}, {27, Chen}, {30, Shen}}, {16, 30}},
        {"禄馬交馳 from the 身宮", Zi, Mao, 0, {{21, Mao}, {27, Wei}, {30, Hai}}, {16, 30}},
        {"禄馬交馳 needs 天馬 away from P", Zi, Mao, 0, {{21, Mao}, {27, Wei}, {30, Mao}}, {16}},
        {"昌曲夾命 either way round", Wu, Wu, 0, {{15, Si}, {16, Wei}}, {16, 31}},
        {"左右夾命", Wu, Wu, 0, {{17, Wei}, {18, Si}}, {16, 32}},
        {"劫空夾命", Wu, Wu, 0, {{31, Wei}, {32, Si}}, {16, 33}},
        {"羊陀夾命 with 化忌", Zi, Zi, 0, {{22, Chou}, {23, Hai}, {29, Zi}}, {16, 34}},
        {"羊陀 without 化忌", Zi, Zi, 0, {{22, Chou}, {23, Hai}}, {16}},
        {"火鈴夾命", Zi, Zi, 0, {{24, Hai}, {25, Chou}}, {16, 35}},
        {"探花 for a woman", Yin, Yin, 1, {{2, Yin}, {8, Yin}, {15, Wu}}, {36}},
        {"探花 never for a man", Yin, Yin, 0, {{2, Yin}, {8, Yin}, {15, Wu}}, {}},
        {"日月照璧 from L + 3", Xu, Xu, 0, {{3, Chou}, {8, Chou}, {18, Si}}, {16, 27}},
        {"将星得地", Chen, Chen, 0, {{4, Chen}, {30, Zi}, {19, Zi}}, {38}},
    };
    for (const PatternCase& c : cases) {
        EXPECT_EQ(flagged(FindPatterns(chartWith(c.stars), c.life, c.body, sexAt(c.sex))), c.expected)
            << c.what;
    }
}

TEST(FindPatterns, OverEveryMoment) {
    // Over all placements: 禄合鴛鴦 and 両重華蓋 never together, 探花 only for women, 命無正曜
    // exactly without a main star, and the three rebuilt rules do occur in real charts.
    const CellTables tables;
    std::set<int> seen;
    for (int cycle = 0; cycle < 60; ++cycle) {
        for (int month = 1; month <= 12; ++month) {
            for (int day = 1; day <= 30; ++day) {
                for (const Branch hour : kBranches) {
                    const ConvertedMoment m =
                        lunarMoment(stemAt(cycle), branchAt(cycle), month, day, hour);
                    const Placement p = PlaceStars(m, Counting::Forward, tables);
                    const PatternFlags man =
                        FindPatterns(p.stars, m.lifePalace, m.bodyPalace, Sex::Male);
                    PatternFlags woman =
                        FindPatterns(p.stars, m.lifePalace, m.bodyPalace, Sex::Female);
                    ASSERT_EQ(man[36], 0);
                    ASSERT_FALSE(man[28] && man[29]);
                    bool mainStar = false;
                    for (int n = 1; n <= 14; ++n) {
                        mainStar = mainStar || p.positionOf(n) == m.lifePalace;
                    }
                    ASSERT_EQ(man[16], mainStar ? 0 : 1);
                    for (const int i : flagged(woman)) {
                        seen.insert(i);
                    }
                    woman[36] = 0;
                    ASSERT_EQ(woman, man);
                }
            }
        }
    }
    for (const int i : {13, 19, 21}) {
        EXPECT_TRUE(seen.count(i)) << patternName(i);
    }
}

}  // namespace
}  // namespace sorvik::engine
