#include "engine/conversion.h"

#include <gtest/gtest.h>

#include "calendar_fixture.h"
#include "engine/errors.h"

namespace sorvik::engine {
namespace {

using testing::sampleCalendar;

TEST(Conversion, BirthMoments) {
    struct Case {
        DateTime moment;
        const char* lunarText;
        int hour;  // branches by index
        int leapAdjust;
        int life;
        int body;
        int placementMonth;
    };
    const Case cases[] = {
        // 23:00 and later belong to the next day, in the 子 hour.
        {{{2020, 1, 23}, 23, 30}, "旧暦2020年1月1日", 0, 0, 2, 2, 1},
        {{{2020, 1, 24}, 0, 10}, "旧暦2020年1月1日", 0, 0, 2, 2, 1},
        {{{2020, 1, 24}, 12, 0}, "旧暦2020年1月1日", 6, 0, 8, 8, 1},
        {{{2019, 11, 26}, 5, 0}, "旧暦2019年11月1日", 3, 0, 9, 3, 11},
        {{{2022, 3, 30}, 8, 0}, "旧暦2022年1月30日", 4, 0, 10, 6, 1},
        // Day 15 of a 29-day leap month: from 午 on it counts as the next month.
        {{{2020, 6, 4}, 12, 0}, "旧暦2020年閏4月15日", 6, 1, 0, 0, 5},
        {{{2020, 6, 4}, 10, 0}, "旧暦2020年閏4月15日", 5, 0, 0, 10, 4},
        {{{2020, 6, 5}, 10, 0}, "旧暦2020年閏4月16日", 5, 1, 1, 11, 5},
        {{{2020, 5, 21}, 12, 0}, "旧暦2020年閏4月1日", 6, 0, 11, 11, 4},
        // Day 15 of a 30-day leap month always stays in the leap month.
        {{{2022, 2, 13}, 12, 0}, "旧暦2021年閏12月15日", 6, 0, 7, 7, 12},
        // A leap twelfth month counted as month 13 for the palaces, 1 for placement.
        {{{2022, 2, 18}, 12, 0}, "旧暦2021年閏12月20日", 6, 1, 8, 8, 1},
    };
    const CalendarTable calendar = sampleCalendar();
    for (const Case& c : cases) {
        const ConvertedMoment m = ConvertBirthMoment(calendar, c.moment);
        SCOPED_TRACE(c.lunarText);
        EXPECT_EQ(m.lunarText, c.lunarText);
        EXPECT_EQ(index(m.lunar.hour), c.hour);
        EXPECT_EQ(m.leapAdjust, c.leapAdjust);
        EXPECT_EQ(index(m.lifePalace), c.life);
        EXPECT_EQ(index(m.bodyPalace), c.body);
        EXPECT_EQ(m.placementMonth(), c.placementMonth);
    }
}

TEST(Conversion, YearStemAndBranch) {
    const ConvertedMoment m = ConvertBirthMoment(sampleCalendar(), {{2020, 3, 1}, 9, 0});
    EXPECT_EQ(m.lunar.year, 2020);
    EXPECT_EQ(m.lunar.month, 2);
    EXPECT_EQ(m.lunar.day, 8);
    EXPECT_EQ(m.yearStem, Stem::Geng);
    EXPECT_EQ(m.yearBranch, Branch::Zi);
    const ConvertedMoment before = ConvertBirthMoment(sampleCalendar(), {{2020, 1, 23}, 22, 59});
    EXPECT_EQ(before.lunar.year, 2019);
    EXPECT_EQ(before.yearStem, Stem::Ji);
    EXPECT_EQ(before.yearBranch, Branch::Hai);
}

TEST(Conversion, DatesOutsideTheTableAreRefused) {
    const CalendarTable calendar = sampleCalendar();
    EXPECT_THROW(ConvertBirthMoment(calendar, {{2019, 11, 25}, 12, 0}), CalendarError);
    EXPECT_THROW(ConvertBirthMoment(calendar, {{2022, 3, 31}, 12, 0}), CalendarError);
    // 23:00 on the last convertible day moves onto the closing record's start.
    EXPECT_THROW(ConvertBirthMoment(calendar, {{2022, 3, 30}, 23, 0}), CalendarError);
}

TEST(Conversion, AMonthLongerThanThirtyDaysIsReportedNotPlaced) {
    // No file loads with such a month; the lines of the calendar editor can still hold one.
    CalendarTable calendar =
        testing::makeCalendar({2020, 1, 25}, {{2020, 1, 29}, {2020, 2, 30}}, {2020, 3, 30});
    calendar.setLines({"20200125,2020,1", "20200223,2020,2", "20200326,2020,3"});
    EXPECT_EQ(ConvertBirthMoment(calendar, {{2020, 3, 23}, 12, 0}).lunar.day, 30);
    try {
        ConvertBirthMoment(calendar, {{2020, 3, 24}, 12, 0});
        FAIL() << "expected CalendarError";
    } catch (const CalendarError& e) {
        EXPECT_STREQ(e.what(), "暦データの『20200223』から始まる月が、30日を超えています。");
    }
}

TEST(Conversion, HourBranches) {
    const int expected[24] = {0, 1, 1, 2, 2, 3, 3, 4,  4,  5,  5,  6,
                              6, 7, 7, 8, 8, 9, 9, 10, 10, 11, 11, 0};
    for (int hour = 0; hour < 24; ++hour) {
        EXPECT_EQ(index(hourBranch(hour)), expected[hour]) << hour;
    }
}

TEST(Conversion, CountingDirectionAndCountedAge) {
    EXPECT_EQ(CountingDirection(Sex::Male, Stem::Jia), Counting::Forward);
    EXPECT_EQ(CountingDirection(Sex::Female, Stem::Yi), Counting::Forward);
    EXPECT_EQ(CountingDirection(Sex::Male, Stem::Yi), Counting::Backward);
    EXPECT_EQ(CountingDirection(Sex::Female, Stem::Jia), Counting::Backward);
    using enum Branch;
    EXPECT_EQ(CountedAge({2020, 1, 1, Wu}, {2020, 12, 29, Zi}), 1);
    EXPECT_EQ(CountedAge({1999, 12, 16, Wu}, {2026, -1, 3, Zi}), 28);  // 閏1月
}

}  // namespace
}  // namespace sorvik::engine
