#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/date.h"

namespace sorvik::engine {

// One lunar month: the Gregorian day it starts, its lunar year and its month (negative for
// the leap month that follows the month of the same number).
struct CalendarRecord {
    std::int32_t startYmd = 0;
    std::int32_t lunarYear = 0;
    std::int32_t lunarMonth = 0;
    friend bool operator==(const CalendarRecord&, const CalendarRecord&) = default;
};

// The three integers of a line "YYYYMMDD,YYYY,M"; throws ConversionError otherwise.
CalendarRecord ParseCalendarLine(std::string_view line);
std::string formatCalendarLine(const CalendarRecord& record);

// A month that does not follow the one before it, as the calendar editor's check finds it:
// a start day that is not 29 or 30 days after the previous one, or a lunar year and month
// that cannot come next.
struct SuccessionFault {
    enum class Kind { MonthLength, LunarMonth };
    std::size_t index = 0;  // of the later record
    Kind kind = Kind::LunarMonth;
    friend bool operator==(const SuccessionFault&, const SuccessionFault&) = default;
};

// The check the calendar editor runs before it saves, and every load: months of 29 or 30
// days; n → n + 1 in the same year, n → −n (the leap month after n), −n → n + 1, and 12 or
// −12 → 1 of the next year. A wrong month length ends the check there, as in the editor;
// every wrong succession before it is listed. Empty when the table passes.
std::vector<SuccessionFault> checkSuccession(const std::vector<CalendarRecord>& records);

// The month of the table that contains a day.
struct CalendarMonth {
    CalendarRecord record;
    std::int32_t nextStartYmd = 0;  // start of the following month
    std::size_t index = 0;          // line number of the month
};

struct RangeCheck {
    bool ok = false;
    std::string message;  // the user's message when not ok
};

// The lunar calendar as the program holds it: one text line per month (`CalendarLines`), the
// range fixed when the table was loaded, and a parsed copy for fast look-ups.
class CalendarTable {
  public:
    CalendarTable() = default;

    // From the 12-byte little-endian records of the calendar file. Throws CalendarError for a
    // table of fewer than two records, a size that is not a whole number of records, a
    // record that is no lunar month (not a real start day after the previous one, a year
    // outside 1..9999, a month outside ±1..12), or one that fails checkSuccession.
    static CalendarTable fromRecordBytes(std::string_view bytes);
    // The records of the lines; throws ConversionError for a line that is not three integers.
    std::string toRecordBytes() const;

    const std::vector<std::string>& lines() const { return lines_; }
    // Edits of the calendar editor; the range keeps the values of the load. Throws
    // ConversionError for a line that is not three integers and then changes nothing.
    void setLines(std::vector<std::string> lines);

    std::int32_t first() const { return first_; }  // CalendarFirst
    std::int32_t last() const { return last_; }    // CalendarLast

    // Whether the day can be converted: from the first record's start up to the day before
    // the last record's start (the last record only closes the month before it).
    bool inRange(const Date& date) const;
    // The same with the user's message: "『yyyy/mm/dd』は、日付変換可能範囲外です。", or
    // "日付データが不正です。" for a date that is not a real day.
    RangeCheck CheckCalendarRange(const std::optional<Date>& date) const;

    // The month containing the day (the result of scanning for the first start after it).
    std::optional<CalendarMonth> monthOf(const Date& date) const;

    const std::vector<CalendarRecord>& records() const { return records_; }

  private:
    std::vector<std::string> lines_;
    std::vector<CalendarRecord> records_;
    std::int32_t first_ = 0;
    std::int32_t last_ = 0;
};

}  // namespace sorvik::engine
