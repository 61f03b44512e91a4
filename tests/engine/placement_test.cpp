#include "engine/placement.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <initializer_list>
#include <vector>

#include "engine/errors.h"
#include "placement_fixture.h"

namespace sorvik::engine {
namespace {

using testing::CellTables;
using testing::lunarMoment;

using enum Branch;

PalaceStarList listOf(std::initializer_list<int> stars) {
    PalaceStarList list{};
    list[0] = static_cast<int>(stars.size()) + 1;
    int i = 1;
    for (const int s : stars) {
        list[i++] = s;
    }
    return list;
}

struct StarAt {
    int star;
    Branch branch;
};

// 甲子, month 1, day 1, hour 午, forward, 天馬 by month from 寅.
Placement workedChart() {
    return PlaceStars(lunarMoment(Stem::Jia, Zi, 1, 1, Wu), Counting::Forward, CellTables(0));
}

TEST(PlaceStars, WorkedChart) {
    const ConvertedMoment moment = lunarMoment(Stem::Jia, Zi, 1, 1, Wu);
    ASSERT_EQ(moment.lifePalace, Shen);
    ASSERT_EQ(moment.bodyPalace, Shen);
    const Placement p = workedChart();
    EXPECT_EQ(p.bureau, 4);
    for (const StarAt& s : std::vector<StarAt>{{1, Hai},
                                               {7, Si},
                                               {15, Chen},
                                               {16, Xu},
                                               {24, Shen},
                                               {25, Chen},
                                               {26, Mao},
                                               {6, Mao},
                                               {27, Mao},
                                               {14, Mao},
                                               {28, Wei},
                                               {4, Wei},
                                               {29, Shen},
                                               {3, Shen},
                                               {30, Yin},
                                               {75, Si}}) {
        EXPECT_EQ(p.positionOf(s.star), s.branch) << "star " << s.star;
    }
    EXPECT_EQ(p.palaceStarLists[index(Shen)], listOf({3, 10, 24, 29, 45, 46, 52, 57, 61, 69, 78}));
    EXPECT_EQ(p.palaceStarLists[index(You)], listOf({11, 35, 40, 48, 50, 61, 70, 79}));
    EXPECT_EQ(p.palaceStarLists[index(Hai)], listOf({1, 13, 62, 72, 81}));
}

TEST(PlaceStars, RowsCarryCatalogueCodesAndTheCellsOfTheirPalace) {
    const Placement p = workedChart();
    // 天府 in 巳: class 1, 南斗, 土, and the cells of row 7, column 巳.
    EXPECT_EQ(p.stars[7], (StarRow{index(Si), 1, (7 + index(Si)) % 8, 2, 7 * 100 + index(Si), 4, 0,
                                   0, 0, 0, 0}));
    // The second palaces keep the codes and cells of the first: 截空 申 → 酉, 旬空 戌 → 亥.
    EXPECT_EQ(p.stars[kJieKongSecondRow], (StarRow{index(You), 8, (61 + index(Shen)) % 8, 3,
                                                   61 * 100 + index(Shen), 0, 0, 0, 0, 0, 0}));
    EXPECT_EQ(p.stars[kXunKongSecondRow], (StarRow{index(Hai), 8, (62 + index(Xu)) % 8, 3,
                                                   62 * 100 + index(Xu), 0, 0, 0, 0, 0, 0}));
    EXPECT_EQ(p.stars[0], StarRow{});
    for (int n = kFirstYearlyStar; n <= kStarCount; ++n) {
        EXPECT_EQ(p.stars[n], StarRow{}) << "yearly star " << n;
    }
}

struct PositionCase {
    const char* what;
    Stem stem;
    Branch year;
    int month, day;
    Branch hour;
    int direction, rule;
    std::vector<StarAt> expected;
};

TEST(PlaceStars, Positions) {
    const PositionCase cases[] = {
        {"甲子 year stars",
         Stem::Jia,
         Zi,
         1,
         1,
         Wu,
         0,
         0,
         {{21, Yin},
          {22, Mao},
          {23, Chou},
          {19, Chou},
          {20, Wei},
          {61, Shen},
          {kJieKongSecondRow, You},
          {62, Xu},
          {kXunKongSecondRow, Hai},
          {39, Mao},
          {40, You}}},
        // 命宮 子 with 甲 gives 水二局.
        {"水二局 day 1",
         Stem::Jia,
         Zi,
         11,
         1,
         Zi,
         0,
         0,
         {{1, Chou}, {2, Zi}, {7, Mao}, {14, Chou}}},
        {"博士 cycle backward",
         Stem::Jia,
         Zi,
         1,
         1,
         Wu,
         1,
         0,
         {{63, Yin}, {64, Chou}, {65, Zi}, {74, Mao}}},
        {"長生 cycle backward", Stem::Jia, Zi, 1, 1, Wu, 1, 0, {{75, Si}, {76, Chen}, {86, Wu}}},
        {"八座 from 右弼 子 and day 30", Stem::Jia, Zi, 11, 30, Zi, 0, 0, {{18, Zi}, {42, Wei}}},
        {"天馬 rule 0", Stem::Jia, Zi, 2, 1, Zi, 0, 0, {{30, Hai}}},
        {"天馬 rule 1", Stem::Jia, Zi, 2, 1, Zi, 0, 1, {{30, Si}}},
        {"天馬 rule 2", Stem::Jia, Yin, 2, 1, Zi, 0, 2, {{30, Shen}}},
        // No rule chosen: the default rule, as there is no earlier 天馬 to keep.
        {"天馬 rule out of range", Stem::Jia, Zi, 2, 1, Zi, 0, -1, {{30, Hai}}},
        {"天馬 rule out of range", Stem::Jia, Zi, 2, 1, Zi, 0, 3, {{30, Hai}}},
        {"旬空 of 甲戌", Stem::Jia, Xu, 1, 1, Zi, 0, 0, {{62, Shen}, {kXunKongSecondRow, You}}},
        {"旬空 of 戊辰", Stem::Wu, Chen, 1, 1, Zi, 0, 0, {{62, Xu}, {kXunKongSecondRow, Hai}}},
        {"旬空 of 癸亥", Stem::Gui, Hai, 1, 1, Zi, 0, 0, {{62, Zi}, {kXunKongSecondRow, Chou}}},
        {"四化 of 戊 on 貪狼 太陰 右弼 天機", Stem::Wu, Zi, 1, 1, Zi, 0, 0, {}},
    };
    for (const PositionCase& c : cases) {
        const Placement p = PlaceStars(lunarMoment(c.stem, c.year, c.month, c.day, c.hour),
                                       static_cast<Counting>(c.direction), CellTables(c.rule));
        for (const StarAt& s : c.expected) {
            EXPECT_EQ(p.positionOf(s.star), s.branch) << c.what << ", star " << s.star;
        }
        for (int kind = kLu; kind <= kJi; ++kind) {
            EXPECT_EQ(p.positionOf(kSihuaStar[kind]), p.positionOf(sihuaStar(c.stem, kind)))
                << c.what;
        }
    }
}

TEST(PlaceStars, SharedPalaceListsFirstEmptinessThenSecond) {
    // 己卯: 截空 stands in 酉 and the second palace of 旬空 (申 + 1) too.
    const Placement p =
        PlaceStars(lunarMoment(Stem::Ji, Mao, 1, 1, Zi), Counting::Forward, CellTables());
    ASSERT_EQ(p.positionOf(61), You);
    ASSERT_EQ(p.stars[kXunKongSecondRow][kStarBranch], index(You));
    const PalaceStarList& list = p.palaceStarLists[index(You)];
    const std::vector<int> stars(list.begin() + 1, list.begin() + list[0]);
    const auto at61 = std::find(stars.begin(), stars.end(), 61);
    ASSERT_NE(at61, stars.end());
    ASSERT_NE(at61 + 1, stars.end());
    EXPECT_EQ(*(at61 + 1), 62);
    EXPECT_TRUE(std::all_of(stars.begin(), at61, [](int s) { return s < 61; }));
    EXPECT_TRUE(std::all_of(at61 + 2, stars.end(), [](int s) { return s > 62; }));
}

TEST(PlaceStars, EveryMomentFillsConsistentLists) {
    // Every natal star once (截空 and 旬空 twice), lists agree with the rows, and no palace
    // holds more natal stars than leaves room for the yearly ones.
    const CellTables tables;
    int most = 0;
    for (int cycle = 0; cycle < 60; ++cycle) {
        for (int month = 1; month <= 12; ++month) {
            for (int day = 1; day <= 30; ++day) {
                for (const Branch hour : kBranches) {
                    const Placement p =
                        PlaceStars(lunarMoment(stemAt(cycle), branchAt(cycle), month, day, hour),
                                   static_cast<Counting>(cycle % 2), tables);
                    std::array<int, kNatalStarCount + 1> seen{};
                    for (const Branch b : kBranches) {
                        const PalaceStarList& list = p.palaceStarLists[index(b)];
                        most = std::max(most, list[0] - 1);
                        for (int i = 1; i < kPalaceSlots; ++i) {
                            const int s = list[i];
                            if (i >= list[0]) {
                                ASSERT_EQ(s, 0);
                                continue;
                            }
                            ASSERT_GE(s, 1);
                            ASSERT_LE(s, kNatalStarCount);
                            ++seen[s];
                            const bool here =
                                p.positionOf(s) == b ||
                                (s == 61 && p.stars[kJieKongSecondRow][0] == index(b)) ||
                                (s == 62 && p.stars[kXunKongSecondRow][0] == index(b));
                            ASSERT_TRUE(here) << "star " << s << " in " << branchName(b);
                        }
                    }
                    for (int s = 1; s <= kNatalStarCount; ++s) {
                        ASSERT_EQ(seen[s], s == 61 || s == 62 ? 2 : 1) << "star " << s;
                    }
                }
            }
        }
    }
    EXPECT_LE(most, kMaxNatalStarsInPalace);
}

TEST(PlaceStars, RefusesMomentsNoConversionGives) {
    const CellTables tables;
    const ConvertedMoment good = lunarMoment(Stem::Jia, Zi, 1, 1, Zi);
    ConvertedMoment day31 = good;
    day31.lunar.day = 31;
    ConvertedMoment mixedParity = good;
    mixedParity.yearBranch = Chou;
    ConvertedMoment month0 = good;
    month0.lunar.month = 0;
    for (const ConvertedMoment& m : {day31, mixedParity, month0}) {
        EXPECT_THROW(PlaceStars(m, Counting::Forward, tables), EngineError);
    }
}

TEST(PlaceYearlyStars, EachYearlyStarOnceInEveryYear) {
    for (int cycle = 0; cycle < 60; ++cycle) {
        const Stem s = stemAt(cycle);
        const Branch y = branchAt(cycle);
        const YearlyStarLists lists = PlaceYearlyStars(s, y);
        std::array<int, kStarCount + 1> seen{};
        for (const Branch p : kBranches) {
            const YearlyStarList& list = lists[index(p)];
            ASSERT_LE(list[0] - 1, 8);
            for (int i = 1; i < kYearlySlots; ++i) {
                if (i >= list[0]) {
                    ASSERT_EQ(list[i], 0);
                    continue;
                }
                ASSERT_GE(list[i], kFirstYearlyStar);
                ++seen[list[i]];
                // 歳建 .. 流病府 run forward from the year's branch; 流曲 stands at + 4.
                if (list[i] >= 118) {
                    EXPECT_EQ(p, y + (list[i] - 118)) << list[i];
                }
                if (list[i] == 96) {
                    EXPECT_EQ(p, y + 4);
                }
            }
        }
        for (int n = kFirstYearlyStar; n <= kStarCount; ++n) {
            EXPECT_EQ(seen[n], 1) << "star " << n << " in " << stemName(s) << branchName(y);
        }
    }
}

TEST(PlaceYearlyStars, StemCellsBeforeBranchCells) {
    const YearlyStarLists lists = PlaceYearlyStars(Stem::Jia, Zi);
    EXPECT_EQ(lists[index(Chou)], (YearlyStarList{6, 89, 90, 102, 107, 119, 0, 0, 0, 0, 0}));
    EXPECT_EQ(lists[index(Zi)], (YearlyStarList{3, 106, 118, 0, 0, 0, 0, 0, 0, 0, 0}));
    // 丑 year: 流曲 at 巳 like every other year, first in the cell.
    EXPECT_EQ(PlaceYearlyStars(Stem::Yi, Chou)[index(Si)],
              (YearlyStarList{5, 96, 103, 114, 122, 0, 0, 0, 0, 0, 0}));
}

TEST(WriteYearlyStars, LeavesOneSlotAndReplacesThePreviousYear) {
    ChartRecord record;
    record.palaceStarLists = workedChart().palaceStarLists;
    const PalaceStarLists natal = record.palaceStarLists;

    WriteYearlyStars(PlaceYearlyStars(Stem::Jia, Zi), record);
    const PalaceStarList& shen = record.palaceStarLists[index(Shen)];
    // 申 holds 11 natal stars (slots 1..11), slot 12 stays empty, 甲子 adds 94 114 126.
    EXPECT_EQ(shen[0], 12);
    EXPECT_EQ(shen[12], 0);
    EXPECT_EQ(shen[13], 94);
    EXPECT_EQ(shen[14], 114);
    EXPECT_EQ(shen[15], 126);
    EXPECT_EQ(shen[16], 0);
    EXPECT_EQ(record.palaceStarBytes[index(Shen)][13], 94);

    const PalaceStarLists once = record.palaceStarLists;
    WriteYearlyStars(PlaceYearlyStars(Stem::Jia, Zi), record);
    EXPECT_EQ(record.palaceStarLists, once);

    // A later year: nothing of 甲子 is left behind.
    WriteYearlyStars(PlaceYearlyStars(Stem::Yi, Chou), record);
    const YearlyStarLists next = PlaceYearlyStars(Stem::Yi, Chou);
    for (std::size_t b = 0; b < record.palaceStarLists.size(); ++b) {
        const PalaceStarList& list = record.palaceStarLists[b];
        const int first = natal[b][0];
        for (int i = 0; i <= first; ++i) {
            EXPECT_EQ(list[i], natal[b][i]);
        }
        for (int j = 1; j < kYearlySlots; ++j) {
            EXPECT_EQ(list[first + j], next[b][j]);
        }
    }
}

}  // namespace
}  // namespace sorvik::engine
