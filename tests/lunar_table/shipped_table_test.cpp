#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <map>
#include <sstream>

#include "engine/calendar_table.h"
#include "lunar_months.h"
#include "shared_events.h"

namespace sorvik::lunartable {
namespace {

using engine::CalendarRecord;
using engine::CalendarTable;
using engine::Date;

std::string shippedBytes() {
    std::ifstream in(SORVIK_SHIPPED_CALENDAR, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

const CalendarTable& shipped() {
    static const CalendarTable table = CalendarTable::fromRecordBytes(shippedBytes());
    return table;
}

std::int64_t day(std::int32_t ymd) {
    return dayNumberFromYmd(ymd);
}

// The calendar editor's check of a row r after the row q.
bool editorAccepts(const CalendarRecord& q, const CalendarRecord& r) {
    std::int64_t gap = day(r.startYmd) - day(q.startYmd);
    if (gap < 29 || gap > 30)
        return false;
    int p = q.lunarMonth;
    int c = r.lunarMonth;
    int dy = r.lunarYear - q.lunarYear;
    int t = std::abs(c) - std::abs(p);
    if ((std::abs(c) == std::abs(p) && p < c) || (c < 0 && t != 0) || (p < 0 && c < 0) || p == c)
        t = 99;
    if (t == -11)
        t = 0;
    std::int64_t span = day(r.lunarYear * 10000 + std::abs(c) * 100 + 1) -
                        day(q.lunarYear * 10000 + std::abs(p) * 100 + 1);
    if (span > 33 || span < 0)
        t = 99;
    return (dy == 0 || dy == 1) && (t == 0 || t == 1);
}

TEST(ShippedTable, CoversEveryDayFrom1850Through2150) {
    const auto& records = shipped().records();
    ASSERT_GE(records.size(), 3u);
    EXPECT_LE(records.front().startYmd, 18500101);
    EXPECT_LE(records[records.size() - 2].startYmd, 21501231);
    EXPECT_GT(records.back().startYmd, 21501231);
    for (Date d : {Date{1850, 1, 1}, Date{2150, 12, 31}}) {
        EXPECT_TRUE(shipped().inRange(d)) << d.year;
        EXPECT_TRUE(shipped().monthOf(d).has_value()) << d.year;
    }
}

TEST(ShippedTable, EditorCheckItselfRejectsBadSuccessions) {
    struct {
        CalendarRecord q, r;
        bool accepted;
    } cases[] = {
        {{20200423, 2020, 4}, {20200523, 2020, -4}, true},
        {{20200523, 2020, -4}, {20200621, 2020, 5}, true},
        {{20210113, 2020, 12}, {20210212, 2021, 1}, true},
        {{20200523, 2020, -4}, {20200621, 2020, 4}, false},  // ordinary 4 after leap 4
        {{20200423, 2020, 4}, {20200523, 2020, -5}, false},  // leap must repeat the number
        {{20210113, 2020, 12}, {20210212, 2020, 1}, false},  // year must change at month 1
        {{20200423, 2020, 4}, {20200524, 2020, 5}, false},   // 31 days
        {{20200423, 2020, 4}, {20200521, 2020, 5}, false},   // 28 days
    };
    for (const auto& c : cases) {
        EXPECT_EQ(editorAccepts(c.q, c.r), c.accepted) << c.q.startYmd << " " << c.r.startYmd;
        // The program's own check, which every load runs, agrees.
        EXPECT_EQ(engine::checkSuccession({c.q, c.r}).empty(), c.accepted)
            << c.q.startYmd << " " << c.r.startYmd;
    }
}

TEST(ShippedTable, EveryMonthFollowsTheEditorsAllowedSuccessions) {
    const auto& records = shipped().records();
    for (std::size_t i = 1; i < records.size(); ++i)
        EXPECT_TRUE(editorAccepts(records[i - 1], records[i]))
            << formatCalendarLine(records[i - 1]) << " then " << formatCalendarLine(records[i]);
}

TEST(ShippedTable, EveryLunarYearHasTwelveMonthsOrThirteenWithOneLeap) {
    std::map<int, std::pair<int, int>> monthsAndLeaps;
    for (const auto& r : shipped().records()) {
        auto& [months, leaps] = monthsAndLeaps[r.lunarYear];
        ++months;
        if (r.lunarMonth < 0)
            ++leaps;
    }
    monthsAndLeaps.erase(monthsAndLeaps.begin());  // the table opens in the middle of 1849
    ASSERT_EQ(monthsAndLeaps.begin()->first, 1850);
    ASSERT_EQ(monthsAndLeaps.rbegin()->first, 2150);
    for (const auto& [year, counts] : monthsAndLeaps) {
        auto [months, leaps] = counts;
        EXPECT_TRUE((months == 12 && leaps == 0) || (months == 13 && leaps == 1))
            << year << ": " << months << " months, " << leaps << " leap";
    }
}

// Checked against the principal terms on Japan's civil days, independently of the numbering
// code: month 11 holds the winter solstice, and a leap month is the first month without a
// principal term in a year of thirteen months between two months 11.
TEST(ShippedTable, LeapMonthsAreWhereTheRulePutsThem) {
    const auto& records = shipped().records();
    const std::size_t months = records.size() - 1;  // the last one has no known end
    std::vector<int> termsIn(months, 0);
    std::vector<bool> solstice(months, false);
    for (const auto& term : localize(events1850To2150(), 9.0).terms) {
        for (std::size_t i = 0; i < months; ++i) {
            if (day(records[i].startYmd) <= term.day && term.day < day(records[i + 1].startYmd)) {
                ++termsIn[i];
                if (term.termIndex == 9)
                    solstice[i] = true;
            }
        }
    }
    std::vector<std::size_t> elevens;
    for (std::size_t i = 0; i < months; ++i) {
        EXPECT_EQ(solstice[i], records[i].lunarMonth == 11) << records[i].startYmd;
        if (records[i].lunarMonth < 0) {
            EXPECT_EQ(termsIn[i], 0) << records[i].startYmd;
        }
        if (records[i].lunarMonth == 11) {
            elevens.push_back(i);
        }
    }
    ASSERT_GE(elevens.size(), 300u);
    for (std::size_t k = 0; k + 1 < elevens.size(); ++k) {
        std::size_t from = elevens[k], to = elevens[k + 1];
        std::size_t expectedLeap = 0;
        if (to - from == 13)
            for (std::size_t i = from + 1; i < to && expectedLeap == 0; ++i)
                if (termsIn[i] == 0)
                    expectedLeap = i;
        for (std::size_t i = from + 1; i < to; ++i)
            EXPECT_EQ(records[i].lunarMonth < 0, i == expectedLeap) << records[i].startYmd;
    }
}

TEST(ShippedTable, IsExactlyWhatTheGeneratorWritesForJapanTime) {
    std::string generated =
        toRecordBytes(numberMonths(localize(events1850To2150(), 9.0), 1850, 2150));
    EXPECT_TRUE(generated == shippedBytes()) << "regenerate data/INREKI.DAT";
}

TEST(ShippedTable, AgreesWithKnownDatesOfTheJapaneseLunarCalendar) {
    struct {
        Date date;
        int lunarYear, lunarMonth, day;
    } cases[] = {
        {{2023, 1, 22}, 2023, 1, 1},    {{2024, 2, 10}, 2024, 1, 1},
        {{2020, 5, 23}, 2020, -4, 1},   {{2023, 3, 22}, 2023, -2, 1},
        {{2020, 2, 24}, 2020, 2, 1},    {{2020, 2, 23}, 2020, 1, 30},
        {{2033, 12, 22}, 2033, -11, 1}, {{2034, 1, 19}, 2033, -11, 29},
        {{2034, 1, 20}, 2033, 12, 1},
    };
    for (const auto& c : cases) {
        auto month = shipped().monthOf(c.date);
        ASSERT_TRUE(month.has_value()) << c.date.year;
        EXPECT_EQ(month->record.lunarYear, c.lunarYear) << formatSlashed(c.date);
        EXPECT_EQ(month->record.lunarMonth, c.lunarMonth) << formatSlashed(c.date);
        EXPECT_EQ(
            daysFromCivil(c.date) - daysFromCivil(engine::dateFromYmd(month->record.startYmd)) + 1,
            c.day)
            << formatSlashed(c.date);
    }
}

TEST(GeneratedTable, SecondMonthOf2020StartsOnTheTwentyThirdInChinaTime) {
    auto china = numberMonths(localize(computeEvents(2020, 2020), 8.0), 2020, 2020);
    LunarRecord second{20200223, 2020, 2};
    EXPECT_NE(std::find(china.begin(), china.end(), second), china.end());
}

}  // namespace
}  // namespace sorvik::lunartable
