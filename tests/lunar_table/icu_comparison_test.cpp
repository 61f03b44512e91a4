#include <gtest/gtest.h>
#include <unicode/calendar.h>
#include <unicode/locid.h>
#include <unicode/simpletz.h>

#include <algorithm>
#include <cmath>
#include <memory>

#include "lunar_months.h"
#include "shared_events.h"

namespace sorvik::lunartable {
namespace {

// ICU's Chinese calendar reckons in UTC+8 from 1929 on.
std::vector<LunarRecord> icuMonths(int firstYear, int lastYear) {
    UErrorCode status = U_ZERO_ERROR;
    icu::SimpleTimeZone zone(8 * 3600 * 1000, icu::UnicodeString("UTC+08"));
    std::unique_ptr<icu::Calendar> calendar(
        icu::Calendar::createInstance(zone, icu::Locale("en@calendar=chinese"), status));
    EXPECT_TRUE(U_SUCCESS(status)) << u_errorName(status);
    if (U_FAILURE(status))
        return {};
    EXPECT_STREQ(calendar->getType(), "chinese");

    struct Day {
        int year, month, day;
        bool leap;
    };
    auto at = [&](std::int64_t dayNumber) {
        constexpr std::int64_t kUnixEpoch = 2440588;  // 1970/01/01
        double noon = (static_cast<double>(dayNumber - kUnixEpoch) * 86400.0 + 4 * 3600) * 1000;
        calendar->setTime(noon, status);
        // The extended year counts from 2637 BC, so month 1 of Gregorian year Y is in Y + 2637.
        return Day{calendar->get(UCAL_EXTENDED_YEAR, status) - 2637,
                   calendar->get(UCAL_MONTH, status) + 1, calendar->get(UCAL_DATE, status),
                   calendar->get(UCAL_IS_LEAP_MONTH, status) != 0};
    };

    std::int64_t start = dayNumberFromYmd(firstYear * 10000 + 101);
    while (at(start).day != 1)
        --start;
    std::int64_t last = dayNumberFromYmd(lastYear * 10000 + 1231);
    std::vector<LunarRecord> months;
    for (;;) {
        Day d = at(start);
        months.push_back({ymdFromDayNumber(start), d.year, d.leap ? -d.month : d.month});
        if (start > last)
            break;
        if (at(start + 29).day == 1) {
            start += 29;
        } else {
            EXPECT_EQ(at(start + 30).day, 1) << ymdFromDayNumber(start);
            start += 30;
        }
    }
    EXPECT_TRUE(U_SUCCESS(status)) << u_errorName(status);
    return months;
}

std::vector<LunarRecord> missingFrom(const std::vector<LunarRecord>& a,
                                     const std::vector<LunarRecord>& b) {
    std::vector<LunarRecord> out;
    for (const auto& r : a)
        if (std::find(b.begin(), b.end(), r) == b.end())
            out.push_back(r);
    return out;
}

// Each disagreement with ICU, and the event that explains it: moving that one event across
// midnight turns our months into ICU's.
struct Explained {
    std::int32_t eventYmd;  // civil day of the event in UTC+8
    int termIndex;          // -1 for a new moon
    std::vector<LunarRecord> ours;
    std::vector<LunarRecord> icu;
};

const Explained kDisagreements[] = {
    {19540203, -1, {{19540203, 1954, 1}}, {{19540204, 1954, 1}}},
    {19550222, -1, {{19550222, 1955, 2}}, {{19550223, 1955, 2}}},
    // The principal term of 150° ten minutes after midnight decides between a leap sixth
    // (ours, as officially published) and a leap seventh month.
    {19870824,
     5,
     {{19870726, 1987, -6}, {19870824, 1987, 7}},
     {{19870726, 1987, 7}, {19870824, 1987, -7}}},
    {19990117, -1, {{19990117, 1998, 12}}, {{19990118, 1998, 12}}},
    {20120817, -1, {{20120817, 2012, 7}}, {{20120818, 2012, 7}}},
    {20181108, -1, {{20181108, 2018, 10}}, {{20181107, 2018, 10}}},
    {20270206, -1, {{20270206, 2027, 1}}, {{20270207, 2027, 1}}},
    {20300203, -1, {{20300203, 2030, 1}}, {{20300202, 2030, 1}}},
    {20700312, -1, {{20700312, 2070, 2}}, {{20700313, 2070, 2}}},
};

// ICU's astronomy is of lower precision; what it places on the other side of midnight lies
// within a quarter of an hour of it by ours.
constexpr double kMinutes = 15.0;

TEST(IcuComparison, MonthStartsAt8HoursAgreeExceptForEventsNearMidnight) {
    const int firstYear = 1929, lastYear = 2100;
    LocalEvents china = localize(events1850To2150(), 8.0);
    std::vector<LunarRecord> ours = numberMonths(china, firstYear, lastYear);
    std::vector<LunarRecord> icu = icuMonths(firstYear, lastYear);
    ASSERT_EQ(ours.size(), icu.size());
    EXPECT_EQ(ours.front().startYmd, icu.front().startYmd);

    std::vector<LunarRecord> listedOurs, listedIcu;
    for (const auto& d : kDisagreements) {
        listedOurs.insert(listedOurs.end(), d.ours.begin(), d.ours.end());
        listedIcu.insert(listedIcu.end(), d.icu.begin(), d.icu.end());
    }
    EXPECT_EQ(missingFrom(ours, icu), listedOurs);
    EXPECT_EQ(missingFrom(icu, ours), listedIcu);

    for (const auto& d : kDisagreements) {
        const auto& list = d.termIndex < 0 ? china.newMoons : china.terms;
        auto event = std::find_if(list.begin(), list.end(), [&](const LocalEvent& e) {
            return ymdFromDayNumber(e.day) == d.eventYmd && e.termIndex == d.termIndex;
        });
        ASSERT_NE(event, list.end()) << d.eventYmd;
        EXPECT_LT(std::abs(minutesFromMidnight(*event)), kMinutes) << d.eventYmd;
        std::vector<LunarRecord> moved =
            numberMonths(withEventMoved(china, *event), firstYear, lastYear);
        EXPECT_EQ(missingFrom(ours, moved), d.ours) << d.eventYmd;
        EXPECT_EQ(missingFrom(moved, ours), d.icu) << d.eventYmd;
    }
}

}  // namespace
}  // namespace sorvik::lunartable
