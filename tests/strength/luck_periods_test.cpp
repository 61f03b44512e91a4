#include "strength/luck_periods.h"

#include <gtest/gtest.h>

#include "calendar_fixture.h"
#include "engine/chart_request.h"
#include "fixture_tables.h"
#include "placement_fixture.h"
#include "strength/one_decimal.h"
#include "strength/palace_strength.h"

namespace sorvik::strength {
namespace {

using engine::Branch;

// Palace b scores b + 0.5 unless told otherwise, so every palace's value names it.
LuckChart chartWith(int bureau, Branch life, bool backward, bool male = true,
                    Branch yearBranch = Branch::Zi) {
    LuckChart chart;
    chart.bureau = bureau;
    chart.life = life;
    chart.backward = backward;
    chart.male = male;
    chart.yearBranch = yearBranch;
    for (std::size_t b = 0; b < 12; ++b) {
        chart.strengths[b] = static_cast<double>(b) + 0.5;
    }
    return chart;
}

std::string ageText(int age) {
    return std::to_string(age) + "歳";
}

TEST(LuckPeriods, CaptionsAndAgesFromTheFirstDecade) {
    struct Case {
        int bureau;
        int firstAge;
        int lastAge;
    };
    for (const Case c : {Case{2, 2, 100}, Case{3, 3, 101}, Case{6, 6, 104}}) {
        const LuckTable table =
            ComputeLuckPeriods(chartWith(c.bureau, Branch::Yin, false), {}).table;
        const std::array<std::string, kLuckRows> captions = {"",   "大限", "値", "小限",
                                                             "値", "太歳", "値", "計"};
        for (int row = 0; row < kLuckRows; ++row) {
            EXPECT_EQ(table[row][0], captions[row]);
        }
        EXPECT_EQ(table[kAgeRow][1], ageText(c.firstAge));
        EXPECT_EQ(table[kAgeRow][kLuckColumns - 1], ageText(c.lastAge));
        for (int column = 1; column < kLuckColumns; ++column) {
            EXPECT_EQ(table[kAgeRow][column], ageText(c.bureau + column - 1));
        }
    }
}

TEST(LuckPeriods, TheDecadePalaceMovesAfterTenColumnsInThePersonsDirection) {
    struct Case {
        bool backward;
        const char* first;   // columns 1..10
        const char* second;  // columns 11..20
        const char* last;    // columns 91..99
    };
    for (const Case c : {Case{false, "寅", "卯", "亥"}, Case{true, "寅", "丑", "巳"}}) {
        const LuckPeriods periods = ComputeLuckPeriods(chartWith(4, Branch::Yin, c.backward), {});
        const LuckTable& table = periods.table;
        for (int column = 1; column < kLuckColumns; ++column) {
            const char* expected = column <= 10 ? c.first : column <= 20 ? c.second : nullptr;
            if (column > 90) {
                expected = c.last;
            }
            if (expected != nullptr) {
                EXPECT_EQ(table[kMajorPalaceRow][column], expected) << "column " << column;
            }
        }
        // The value is that palace's strength as shown: 寅 scores 2.5.
        EXPECT_EQ(table[kMajorValueRow][10], "  2.5");
        EXPECT_EQ(periods.majorValues[9], 2.5);
    }
}

TEST(LuckPeriods, TheYearPalaceIsTheBirthYearsBranchEveryTwelveYears) {
    for (const Branch year : {Branch::Zi, Branch::Chen, Branch::Hai}) {
        const LuckTable table =
            ComputeLuckPeriods(chartWith(5, Branch::Wu, false, true, year), {}).table;
        int seen = 0;
        for (int column = 1; column < kLuckColumns; ++column) {
            const int age = 5 + column - 1;
            // The branch of the year in which the person has that age.
            EXPECT_EQ(table[kYearPalaceRow][column], engine::branchName(year + (age - 1)));
            if (age % 12 == 1) {
                EXPECT_EQ(table[kYearPalaceRow][column], engine::branchName(year));
                ++seen;
            }
        }
        EXPECT_EQ(seen, 8);  // ages 13, 25, … 97
    }
}

TEST(LuckPeriods, TheMinorPalaceStartsAtTheYearsTripleAndRunsBySex) {
    // Ages 13 and 14 stand where ages 1 and 2 do.
    struct Case {
        Branch year;
        bool male;
        const char* atAge1;
        const char* atAge2;
    };
    const Case cases[] = {
        {Branch::Zi, true, "戌", "亥"},    {Branch::Chen, true, "戌", "亥"},
        {Branch::Shen, false, "戌", "酉"}, {Branch::Zi, false, "戌", "酉"},
        {Branch::Yin, true, "辰", "巳"},   {Branch::Yin, false, "辰", "卯"},
        {Branch::Hai, true, "丑", "寅"},   {Branch::You, false, "未", "午"},
    };
    for (const Case& c : cases) {
        // Bureau 2: column 12 is age 13.
        const LuckTable table =
            ComputeLuckPeriods(chartWith(2, Branch::Zi, false, c.male, c.year), {}).table;
        EXPECT_EQ(table[kMinorPalaceRow][12], c.atAge1) << engine::branchName(c.year);
        EXPECT_EQ(table[kMinorPalaceRow][13], c.atAge2) << engine::branchName(c.year);
        EXPECT_EQ(table[kMinorPalaceRow][24], c.atAge1);  // age 25
    }
}

TEST(LuckPeriods, TotalsComeFromTheValuesAsShown) {
    LuckChart chart = chartWith(3, Branch::Mao, true, false, Branch::Si);
    // Halves that the one-decimal text rounds away from zero, and one below its half.
    chart.strengths = {2.25, -2.25, 0.04, -0.04, 3.15, 7.0, -9.95, 12.5, 0.0, 1.05, -3.35, 4.44};
    const LuckPeriods periods = ComputeLuckPeriods(chart, {100, 0, 0});
    for (int column = 1; column < kLuckColumns; ++column) {
        EXPECT_EQ(periods.table[kTotalRow][column], periods.table[kMajorValueRow][column]);
        EXPECT_EQ(periods.totals[column - 1], periods.majorValues[column - 1]);
    }
    // Backward from 卯, one palace per decade; no value that rounds to zero keeps a minus sign.
    const std::array<const char*, 10> byDecade = {"  0.0", "  0.0", " -2.3", "  2.3", "  4.4",
                                                  " -3.4", "  1.1", "  0.0", " 12.5", " -9.9"};
    for (std::size_t decade = 0; decade < byDecade.size(); ++decade) {
        EXPECT_EQ(periods.table[kMajorValueRow][10 * decade + 1], byDecade[decade]);
    }
}

TEST(LuckPeriods, TheTotalIsExactInDecimalAndRoundedOnce) {
    struct Case {
        double major, minor, year;
        LuckShares shares;
        const char* total;
    };
    const Case cases[] = {
        {5.0, 2.0, -3.0, {60, 30, 10}, "  3.3"},
        // Summed in doubles the shares give -2.4499…, which would show -2.4.
        {-3.0, -2.9, 2.2, {60, 30, 10}, " -2.5"},
        // -0.03 shows without its sign.
        {-0.1, 0.1, 0.0, {60, 30, 10}, "  0.0"},
        {12.3, 45.6, 78.9, {0, 0, 100}, " 78.9"},
        {12.3, 45.6, 78.9, {34, 33, 33}, " 45.3"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(formatOneDecimal(LuckTotal(c.major, c.minor, c.year, c.shares), kStrengthWidth),
                  c.total)
            << c.major << " " << c.minor << " " << c.year;
    }
}

TEST(LuckPeriods, TheTableTotalWeighsTheThreePalaces) {
    // 大限 at 子 (5.0), 小限 of a 子-year man at age 2 at 亥 (2.0), 太歳 at 丑 (-3.0).
    LuckChart chart = chartWith(2, Branch::Zi, false, true, Branch::Zi);
    chart.strengths[0] = 5.0;
    chart.strengths[11] = 2.0;
    chart.strengths[1] = -3.0;
    const LuckPeriods periods = ComputeLuckPeriods(chart, {60, 30, 10});
    EXPECT_EQ(periods.table[kAgeRow][1], "2歳");
    EXPECT_EQ(periods.table[kMinorPalaceRow][1], "亥");
    EXPECT_EQ(periods.table[kYearPalaceRow][1], "丑");
    EXPECT_EQ(periods.table[kTotalRow][1], "  3.3");
    EXPECT_DOUBLE_EQ(periods.totals[0], 3.3);
}

TEST(LuckPeriods, CsvHasEightLinesOfAHundredFieldsEachWithATrailingComma) {
    const LuckTable table = ComputeLuckPeriods(chartWith(2, Branch::Zi, false), {}).table;
    const std::string csv = LuckCsvText(table);
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t end = csv.find("\r\n"); end != std::string::npos;
         end = csv.find("\r\n", start)) {
        lines.push_back(csv.substr(start, end - start));
        start = end + 2;
    }
    EXPECT_EQ(start, csv.size());  // the last line ends with CR LF too
    ASSERT_EQ(lines.size(), 8U);
    for (const std::string& line : lines) {
        EXPECT_EQ(std::count(line.begin(), line.end(), ','), 100);
        EXPECT_EQ(line.back(), ',');
        EXPECT_EQ(line.find('\n'), std::string::npos);
    }
    EXPECT_TRUE(lines[0].starts_with(",2歳,3歳,")) << lines[0];
    EXPECT_TRUE(lines[7].starts_with("計,")) << lines[7];
}

// The chart of a birth is the one the chart request makes: bureau, 命宮, direction, strengths.
TEST(LuckPeriods, TheBirthIsChartedAsTheChartRequestChartsIt) {
    const engine::CalendarTable calendar = engine::testing::sampleCalendar();
    const engine::testing::CellTables placement;
    testing::FixtureTables strength;
    strength.powers[{1, 3}] = 7;
    strength.powers[{14, 8}] = -4;
    const engine::StarDisplayNames names = engine::BuildStarDisplayNames("殺");
    for (const engine::Sex sex : {engine::Sex::Male, engine::Sex::Female}) {
        for (const char* date : {"2020/06/04", "2021/03/15"}) {  // 庚子 (陽), 辛丑 (陰)
            const engine::BirthMoment person{"x", sex, date, "12:00"};
            const engine::Chart chart = engine::RequestChart(
                calendar, names, person, engine::BirthMomentOf(person), {placement, 0});
            const LuckChart luck = LuckChartOf(calendar, person, placement, strength);
            const engine::StarRow& header = chart.record.header();
            EXPECT_EQ(luck.bureau, header[engine::kHeaderBureau]);
            EXPECT_EQ(luck.life, chart.record.lifePalace());
            EXPECT_EQ(luck.yearBranch, chart.record.yearBranch());
            EXPECT_EQ(luck.backward, header[engine::kHeaderDirection] == 1);
            EXPECT_EQ(luck.male, sex == engine::Sex::Male);
            EXPECT_EQ(luck.strengths,
                      palaceStrengths(chart.record.palaceStarLists, chart.record.lifePalace(),
                                      chart.record.bodyPalace(), strength));
        }
    }
}

}  // namespace
}  // namespace sorvik::strength
