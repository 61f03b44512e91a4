#include "date.h"

#include <charconv>
#include <chrono>

#include "engine/number_text.h"

namespace sorvik::engine {

namespace {

// Reads an unsigned number of 1..maxDigits digits; the whole text must be used.
std::optional<int> parseNumber(std::string_view text, std::size_t maxDigits) {
    if (text.empty() || text.size() > maxDigits) {
        return std::nullopt;
    }
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || value < 0) {
        return std::nullopt;
    }
    return value;
}

std::chrono::year_month_day calendarDate(const Date& date) {
    return std::chrono::year{date.year} / std::chrono::month{static_cast<unsigned>(date.month)} /
           std::chrono::day{static_cast<unsigned>(date.day)};
}

}  // namespace

bool isValidDate(const Date& date) {
    return date.year >= 1 && date.year <= 9999 && date.month >= 1 && date.month <= 12 &&
           date.day >= 1 && calendarDate(date).ok();
}

long long daysFromCivil(const Date& date) {
    return std::chrono::sys_days{calendarDate(date)}.time_since_epoch().count();
}

Date civilFromDays(long long days) {
    const std::chrono::year_month_day date{std::chrono::sys_days{std::chrono::days{days}}};
    return {static_cast<int>(date.year()), static_cast<int>(static_cast<unsigned>(date.month())),
            static_cast<int>(static_cast<unsigned>(date.day()))};
}

Date addDays(const Date& date, long long days) {
    return civilFromDays(daysFromCivil(date) + days);
}

std::optional<Date> parseSlashedDate(std::string_view text) {
    const std::size_t first = text.find('/');
    const std::size_t second = first == std::string_view::npos ? first : text.find('/', first + 1);
    if (second == std::string_view::npos) {
        return std::nullopt;
    }
    const auto year = parseNumber(text.substr(0, first), 4);
    const auto month = parseNumber(text.substr(first + 1, second - first - 1), 2);
    const auto day = parseNumber(text.substr(second + 1), 2);
    if (!year || !month || !day) {
        return std::nullopt;
    }
    const Date date{*year, *month, *day};
    return isValidDate(date) ? std::optional<Date>(date) : std::nullopt;
}

std::optional<DateTime> parseDateTime(std::string_view dateText, std::string_view timeText) {
    const auto date = parseSlashedDate(dateText);
    const std::size_t colon = timeText.find(':');
    if (!date || colon == std::string_view::npos) {
        return std::nullopt;
    }
    const auto hour = parseNumber(timeText.substr(0, colon), 2);
    const auto minute = parseNumber(timeText.substr(colon + 1), 2);
    if (!hour || !minute || *hour > 23 || *minute > 59) {
        return std::nullopt;
    }
    return DateTime{*date, *hour, *minute};
}

std::optional<DateTime> parseDateTime(std::string_view text) {
    const std::size_t start = text.find_first_not_of(' ');
    if (start == std::string_view::npos) {
        return std::nullopt;
    }
    text = text.substr(start, text.find_last_not_of(' ') - start + 1);
    const std::size_t blank = text.find(' ');
    if (blank == std::string_view::npos) {
        return std::nullopt;
    }
    const std::size_t timeStart = text.find_first_not_of(' ', blank);
    return parseDateTime(text.substr(0, blank), text.substr(timeStart));
}

std::string formatSlashed(const Date& date) {
    return padded(date.year, 4, '0') + '/' + padded(date.month, 2, '0') + '/' +
           padded(date.day, 2, '0');
}

std::string formatClock(int hour, int minute) {
    return padded(hour, 2, '0') + ':' + padded(minute, 2, '0');
}

std::string FormatYmd(const Date& date) {
    return padded(date.year, 4, '0') + padded(date.month, 2, '0') + padded(date.day, 2, '0');
}

int DateToYmd(const Date& date) {
    return date.year * 10000 + date.month * 100 + date.day;
}

Date dateFromYmd(int ymd) {
    return {ymd / 10000, ymd / 100 % 100, ymd % 100};
}

std::optional<Date> YmdToDate(std::string_view text) {
    if (text.size() != 8) {
        return std::nullopt;
    }
    const auto ymd = parseNumber(text, 8);
    if (!ymd) {
        return std::nullopt;
    }
    const Date date = dateFromYmd(*ymd);
    return isValidDate(date) ? std::optional<Date>(date) : std::nullopt;
}

std::string YmdToSlashed(std::string_view text) {
    if (text.empty()) {
        return {};
    }
    std::string slashed(text.substr(0, 4));
    slashed += '/';
    slashed += text.substr(4, 2);
    slashed += '/';
    slashed += text.substr(6, 2);
    return slashed;
}

}  // namespace sorvik::engine
