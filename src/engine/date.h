#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace sorvik::engine {

// A day of the proleptic Gregorian calendar.
struct Date {
    int year = 0;
    int month = 0;
    int day = 0;
    friend bool operator==(const Date&, const Date&) = default;
    friend auto operator<=>(const Date&, const Date&) = default;
};

struct DateTime {
    Date date;
    int hour = 0;
    int minute = 0;
    friend bool operator==(const DateTime&, const DateTime&) = default;
    friend auto operator<=>(const DateTime&, const DateTime&) = default;
};

bool isValidDate(const Date& date);

// Days since 1970-01-01 and back.
long long daysFromCivil(const Date& date);
Date civilFromDays(long long days);
Date addDays(const Date& date, long long days);

// "yyyy/mm/dd" (also "yyyy/m/d"); nothing for a text that is not a real date.
std::optional<Date> parseSlashedDate(std::string_view text);
// "hh:mm" (also "h:m"), 0..23 and 0..59.
std::optional<DateTime> parseDateTime(std::string_view dateText, std::string_view timeText);
// "yyyy/mm/dd hh:mm" as one text.
std::optional<DateTime> parseDateTime(std::string_view text);

std::string formatSlashed(const Date& date);    // "YYYY/MM/DD"
std::string formatClock(int hour, int minute);  // "hh:mm"

// Calendar table helpers on YYYYMMDD numbers and texts.
std::string FormatYmd(const Date& date);               // "YYYYMMDD"
int DateToYmd(const Date& date);                       // YYYYMMDD
std::optional<Date> YmdToDate(std::string_view text);  // empty or invalid text: nothing
Date dateFromYmd(int ymd);                             // no check of validity
std::string YmdToSlashed(std::string_view text);       // "YYYY/MM/DD"; empty gives empty

}  // namespace sorvik::engine
