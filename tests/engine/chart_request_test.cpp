#include "engine/chart_request.h"

#include <gtest/gtest.h>

#include "calendar_fixture.h"
#include "engine/errors.h"
#include "placement_fixture.h"

namespace sorvik::engine {
namespace {

using testing::sampleCalendar;

class ChartRequestTest : public ::testing::Test {
  protected:
    CalendarTable calendar = sampleCalendar();
    StarDisplayNames names = BuildStarDisplayNames("煞");
    testing::CellTables tables;
    ChartSettings settings{tables};
};

TEST_F(ChartRequestTest, HeaderAndCentreTexts) {
    const Chart chart = RequestChart(calendar, names, {"山田", engine::Sex::Male, "2020/01/24", "12:00"},
                                     {{2021, 6, 10}, 9, 5}, settings);
    const ChartLabels& l = chart.labels;
    EXPECT_EQ(l.Name, "氏名：山田");
    EXPECT_EQ(l.Date, "2020/01/24 12:00生");
    EXPECT_EQ(l.ZNen, "2021/6/10 9:5  ");
    EXPECT_EQ(l.InDate, "旧暦2020年1月1日午時");
    EXPECT_EQ(l.Inyo, "陽男");
    EXPECT_EQ(l.Mei, "命宮：申  命主：廉貞");
    EXPECT_EQ(l.Sin, "身宮：申  身主：火星");
    EXPECT_EQ(l.Kyoku, "水二局 年:庚子");
    EXPECT_EQ(l.Nat, "　    納音命主：破軍");
    EXPECT_EQ(l.Kazoe, "数え2歳　斗君:午");
    EXPECT_EQ(l.ZKS, "辛丑年 ");
    // stem, branch, direction, bureau, 命宮, 身宮, age, month, day, hour, leap adjustment
    const StarRow expected = {6, 0, 0, 2, 8, 8, 2, 1, 1, 6, 0};
    EXPECT_EQ(chart.record.header(), expected);
    EXPECT_EQ(chart.record.selectedPalace, Branch::Shen);
    EXPECT_EQ(chart.record.birthMoment, (DateTime{{2020, 1, 24}, 12, 0}));
}

TEST_F(ChartRequestTest, TheSecondBodyMasterRuleAndAWomanBornLate) {
    settings.bodyStarRule = 1;
    const Chart chart = RequestChart(calendar, names, {"花子", engine::Sex::Female, "2020/01/23", "23:10"},
                                     {{2020, 3, 1}, 0, 0}, settings);
    // Born at 23:10: the next day's date in the 子 hour, while Date keeps what was typed.
    EXPECT_EQ(chart.labels.Date, "2020/01/23 23:10生");
    EXPECT_EQ(chart.labels.InDate, "旧暦2020年1月1日子時");
    EXPECT_EQ(chart.labels.Inyo, "陽女");
    EXPECT_EQ(chart.labels.Sin, "身宮：寅  身主：天府");
    EXPECT_EQ(chart.record.header()[kHeaderDirection], 1);
    EXPECT_EQ(chart.labels.Kazoe, "数え1歳　斗君:子");
}

TEST_F(ChartRequestTest, ATargetOutsideTheTableKeepsTheBirthPart) {
    Chart chart = RequestChartBirth(calendar, names, {"山田", engine::Sex::Male, "2020/01/24", "12:00"},
                                    {{2030, 1, 1}, 0, 0}, settings);
    EXPECT_THROW(ApplyTargetDate(chart, calendar, {{2030, 1, 1}, 0, 0}), CalendarError);
    EXPECT_EQ(chart.labels.Kyoku, "水二局 年:庚子");
    EXPECT_EQ(chart.labels.ZNen, "2030/1/1 0:0  ");
    EXPECT_TRUE(chart.labels.Kazoe.empty());
}

TEST_F(ChartRequestTest, PlacesTheStarsFindsPatternsAndAddsTheTargetYearsStars) {
    Chart chart = RequestChartBirth(calendar, names, {"山田", engine::Sex::Male, "2020/01/24", "12:00"},
                                    {{2021, 6, 10}, 9, 5}, settings);
    const Placement expected = PlaceStars(chart.birth, Counting::Forward, tables);
    EXPECT_EQ(chart.placement.stars, expected.stars);
    EXPECT_EQ(chart.record.header()[kHeaderBureau], expected.bureau);
    EXPECT_EQ(chart.record.palaceStarLists, expected.palaceStarLists);
    const PatternFlags flags = FindPatterns(expected.stars, Branch::Shen, Branch::Shen, Sex::Male);
    EXPECT_EQ(chart.patternFlags, flags);
    std::vector<std::string> found;
    for (int i = 0; i < kPatternCount; ++i) {
        if (flags[i]) {
            found.emplace_back(patternName(i));
        }
    }
    EXPECT_EQ(chart.patterns, found);

    // The target year 辛丑 (2021), then 庚子 (2020): each replaces the yearly stars before it.
    for (const DateTime& target : {DateTime{{2021, 6, 10}, 9, 5}, DateTime{{2020, 6, 1}, 0, 0}}) {
        ApplyTargetDate(chart, calendar, target);
        const YearlyStarLists yearly =
            PlaceYearlyStars(chart.target.yearStem, chart.target.yearBranch);
        EXPECT_EQ(chart.yearlyStarLists, yearly);
        PalaceStarLists lists = expected.palaceStarLists;
        WriteYearlyStars(yearly, lists);
        EXPECT_EQ(chart.record.palaceStarLists, lists);
        EXPECT_EQ(chart.record.palaceStarBytes[8][13], lists[8][13]);
    }
    EXPECT_EQ(chart.target.yearBranch, Branch::Zi);
}

TEST(Dokun, FromTheBirthMonthAndHour) {
    using enum Branch;
    EXPECT_EQ(Dokun(1, 0, Zi), Zi);     // month 1, 子 → 子
    EXPECT_EQ(Dokun(3, 0, Wu), Chen);   // month 3, 午 → 辰
    EXPECT_EQ(Dokun(-4, 1, Zi), Shen);  // an adjusted leap fourth month counts as month 5
    EXPECT_EQ(Dokun(-4, 0, Zi), You);
    EXPECT_EQ(Dokun(-12, 1, Zi), Zi);  // month 13 wraps to 1
}

TEST_F(ChartRequestTest, MonthlyLuckDatesSkipLeapMonthsAndStopBeforeTheClosingRecord) {
    ChartRecord record;
    record.header()[kHeaderLunarMonth] = 1;
    record.header()[kHeaderHourBranch] = 6;  // 斗君 午

    // 2020 (子 year) has a leap fourth month: month 5 follows month 4 in the next palace.
    const MonthlyLuckDates y2020 = FillMonthlyLuckDates(calendar, record, true, Branch::Zi, 2020);
    EXPECT_EQ(y2020[6], "20/01/24");
    EXPECT_EQ(y2020[9], "20/04/22");
    EXPECT_EQ(y2020[10], "20/06/19");
    EXPECT_EQ(y2020[5], "21/01/12");

    const MonthlyLuckDates y2021 = FillMonthlyLuckDates(calendar, record, true, Branch::Chou, 2021);
    EXPECT_EQ(y2021[7], "21/02/10");
    EXPECT_EQ(y2021[6], "22/01/01");

    // Only 2022's first month lies before the closing record.
    const MonthlyLuckDates y2022 = FillMonthlyLuckDates(calendar, record, true, Branch::Yin, 2022);
    EXPECT_EQ(y2022[8], "22/03/01");
    EXPECT_EQ(std::count(y2022.begin(), y2022.end(), std::string()), 11);

    const MonthlyLuckDates unavailable =
        FillMonthlyLuckDates(calendar, record, false, Branch::Zi, 2020);
    EXPECT_EQ(std::count(unavailable.begin(), unavailable.end(), std::string()), 12);
    const MonthlyLuckDates missingYear =
        FillMonthlyLuckDates(calendar, record, true, Branch::Zi, 2030);
    EXPECT_EQ(std::count(missingYear.begin(), missingYear.end(), std::string()), 12);
}

TEST(MasterStars, Tables) {
    EXPECT_EQ(LifeMasterStar(Branch::Zi), 9);
    EXPECT_EQ(LifeMasterStar(Branch::Hai), 10);
    EXPECT_EQ(BodyMasterStar(0, Branch::Wu), 24);
    EXPECT_EQ(BodyMasterStar(1, Branch::Si), 13);
    EXPECT_EQ(NayinMasterStar(6), 6);
}

}  // namespace
}  // namespace sorvik::engine
