#pragma once

#include <cstdint>
#include <array>
#include <string>
#include <string_view>

// The one-decimal texts of the strength numbers ("%5.1f" for palace strengths, "%4.1f" for
// double-star powers). Unlike printf, an exact half rounds away from zero.
namespace sorvik::strength {

inline constexpr int kStrengthWidth = 5;  // palace strength
inline constexpr int kPowerWidth = 4;     // double-star 力量 and total

// The double's exact binary value in tenths, an exact half away from zero: 2.25 gives 23,
// while 3.15 gives 31 because the double nearest 3.15 lies below it.
std::int64_t roundToTenths(double value);

// An exact number of hundredths in tenths, an exact half away from zero (15 gives 2).
std::int64_t hundredthsToTenths(std::int64_t hundredths);

// Tenths as text with one decimal, padded on the left with spaces to the width. A value that
// rounds to zero shows no minus sign.
std::string formatTenths(std::int64_t tenths, int width);

// The same in room of the caller's, for writers that copy the text at once; widths up to
// kMaxTenthsWidth (the room holds any number and that padding).
inline constexpr int kMaxTenthsWidth = 8;
using TenthsRoom = std::array<char, 32>;
std::string_view formatTenths(std::int64_t tenths, int width, TenthsRoom& room);

std::string formatOneDecimal(double value, int width);

}  // namespace sorvik::strength
