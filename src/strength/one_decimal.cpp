#include "strength/one_decimal.h"

#include <algorithm>
#include <array>
#include <cassert>
#include <charconv>
#include <cmath>

#include "engine/number_text.h"

namespace sorvik::strength {

namespace {

constexpr double kTwoTo53 = 9007199254740992.0;

}  // namespace

std::int64_t roundToTenths(double value) {
    // Exact on the binary value: with value = m * 2^-k, the result is
    // floor((10m + 2^(k-1)) / 2^k), which fits in 64 bits for every k that matters.
    const double magnitude = std::fabs(value);
    if (!(magnitude < kTwoTo53)) {
        return 0;  // not reached by strength numbers; formatOneDecimal handles these
    }
    int exponent = 0;
    const double fraction = std::frexp(magnitude, &exponent);
    const auto mantissa = static_cast<std::uint64_t>(std::ldexp(fraction, 53));
    const int shift = 53 - exponent;
    std::uint64_t tenths = 0;
    if (shift <= 0) {
        tenths = (mantissa << -shift) * 10;
    } else if (shift <= 60) {
        tenths = (mantissa * 10 + (std::uint64_t{1} << (shift - 1))) >> shift;
    }  // shift > 60: below 2^-8, rounds to 0
    const auto result = static_cast<std::int64_t>(tenths);
    return value < 0 ? -result : result;
}

std::int64_t hundredthsToTenths(std::int64_t hundredths) {
    const std::int64_t magnitude = hundredths < 0 ? -hundredths : hundredths;
    const std::int64_t tenths = (magnitude + 5) / 10;
    return hundredths < 0 ? -tenths : tenths;
}

std::string_view formatTenths(std::int64_t tenths, int width, TenthsRoom& room) {
    const bool negative = tenths < 0;
    const std::uint64_t magnitude =
        negative ? std::uint64_t{0} - static_cast<std::uint64_t>(tenths) : tenths;
    // Written backwards from the end: the decimal, the point, the whole part, the sign, the
    // padding.
    char* const end = room.data() + room.size();
    char* start = end;
    *--start = static_cast<char>('0' + magnitude % 10);
    *--start = '.';
    std::uint64_t whole = magnitude / 10;
    do {
        *--start = static_cast<char>('0' + whole % 10);
        whole /= 10;
    } while (whole != 0);
    if (negative) {
        *--start = '-';
    }
    assert(width <= kMaxTenthsWidth);
    while (end - start < width) {
        *--start = ' ';
    }
    return {start, static_cast<std::size_t>(end - start)};
}

std::string formatTenths(std::int64_t tenths, int width) {
    TenthsRoom room;
    if (width <= kMaxTenthsWidth) {
        return std::string(formatTenths(tenths, width, room));
    }
    return engine::padLeft(std::string(formatTenths(tenths, 0, room)), width);
}

std::string formatOneDecimal(double value, int width) {
    if (!(std::fabs(value) < kTwoTo53)) {
        // Integers (or nan/inf) only: nothing to round.
        char buffer[512];
        const auto result =
            std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, 1);
        return engine::padLeft(std::string(buffer, result.ptr), width);
    }
    return formatTenths(roundToTenths(value), width);
}

}  // namespace sorvik::strength
