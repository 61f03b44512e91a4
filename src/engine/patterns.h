#pragma once

#include <array>
#include <cstdint>
#include <string_view>

#include "engine/catalogue.h"
#include "engine/chart_record.h"

// The 39 named star patterns (格局) of a natal chart.
namespace sorvik::engine {

inline constexpr int kPatternCount = 39;

// 1 where pattern i holds.
using PatternFlags = std::array<std::uint8_t, kPatternCount>;

// Pattern name by number 0..38.
std::string_view patternName(int number);

// Evaluates every pattern on the natal star rows (positions of the named stars, class codes
// of 15..32, brightness of 1..14). Sex: 0 男, 1 女.
PatternFlags FindPatterns(const StarRows& stars, Branch life, Branch body, Sex sex);

// Relations on star positions; palaces are counted mod 12.

// Star n at p, p + 4 or p + 8.
bool InTrine(const StarRows& stars, Branch p, int n);
// Star n at p + 4 or p + 8.
bool InOuterTrine(const StarRows& stars, Branch p, int n);
// One of a, b at p + 1 and the other at p + 11.
bool Flanks(const StarRows& stars, Branch p, int a, int b);
// Star a or star b at p or p + 6.
bool AtOrOpposite(const StarRows& stars, Branch p, int a, int b);
// A main star 1..14 at p with brightness none, 廟 or 旺.
bool BrightMainAt(const StarRows& stars, Branch p);
// A 吉 star among 15..29 at p, p + 4 or p + 8.
bool GoodInTrine(const StarRows& stars, Branch p);
// A 凶 star among 17..32 at p, p + 4 or p + 8.
bool BadInTrine(const StarRows& stars, Branch p);
// A 凶 star among 17..32 at p or p + 6.
bool BadAtOrOpposite(const StarRows& stars, Branch p);

}  // namespace sorvik::engine
