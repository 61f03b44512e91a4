#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace sorvik::lunartable {

// One month as the calendar file stores it.
struct LunarRecord {
    std::int32_t startYmd = 0;
    std::int32_t lunarYear = 0;
    std::int32_t lunarMonth = 0;  // negative for a leap month
    friend bool operator==(const LunarRecord&, const LunarRecord&) = default;
};

// The astronomical events the numbering depends on, in Universal Time (Julian days).
struct PrincipalTerm {
    double jd = 0;
    int index = 0;  // solar longitude 30° × index; 9 is the winter solstice
};
struct LunarEvents {
    std::vector<double> newMoons;
    std::vector<PrincipalTerm> terms;
};

// Every new moon and principal term needed to number the months from firstYear/01/01 through
// lastYear/12/31 (with the winter solstices before and after).
LunarEvents computeEvents(int firstYear, int lastYear);

// An event placed on the civil day of a time zone.
struct LocalEvent {
    std::int64_t day = 0;  // Julian day number of the civil day
    double minuteOfDay = 0;
    int termIndex = -1;  // -1 for a new moon
    std::size_t eventIndex = 0;
};
struct LocalEvents {
    std::vector<LocalEvent> newMoons;
    std::vector<LocalEvent> terms;
};
LocalEvents localize(const LunarEvents& events, double utcOffsetHours);

// The months containing firstYear/01/01 through lastYear/12/31, and the month after, numbered
// by the rules of the lunisolar calendar. Throws std::runtime_error when the events cannot be
// numbered (a missing solstice, a thirteen-month year without a month lacking a term).
std::vector<LunarRecord> numberMonths(const LocalEvents& events, int firstYear, int lastYear);

std::vector<LunarRecord> generateTable(double utcOffsetHours, int firstYear, int lastYear);

// The 12-byte little-endian records of the calendar file.
std::string toRecordBytes(const std::vector<LunarRecord>& records);

// An event within `minutes` of local midnight whose move to the other side of midnight changes
// the table: the months it decides and what they would become.
struct UncertainEvent {
    LocalEvent event;
    double minutesFromMidnight = 0;  // negative before midnight
    std::vector<LunarRecord> months;
    std::vector<LunarRecord> alternative;
};
std::vector<UncertainEvent> findUncertainEvents(const LocalEvents& events, int firstYear,
                                                int lastYear, double minutes);
// The table with one event moved to the neighbouring civil day across the nearer midnight.
LocalEvents withEventMoved(const LocalEvents& events, const LocalEvent& event);
double minutesFromMidnight(const LocalEvent& event);

// Calendar helpers on Julian day numbers.
std::int32_t ymdFromDayNumber(std::int64_t day);
std::int64_t dayNumberFromYmd(std::int32_t ymd);

}  // namespace sorvik::lunartable
