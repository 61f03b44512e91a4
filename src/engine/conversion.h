#pragma once

#include <string>
#include <string_view>

#include "engine/calendar_table.h"
#include "engine/catalogue.h"
#include "engine/date.h"
#include "engine/sex.h"

namespace sorvik::engine {

struct LunarDate {
    int year = 0;   // four digits
    int month = 0;  // 1..12, negative for a leap month (閏月)
    int day = 0;    // 1..30
    Branch hour = Branch::Zi;
};

// A birth or target moment in the lunar calendar and what the chart derives from it.
struct ConvertedMoment {
    LunarDate lunar;
    int leapAdjust = 0;  // 1 when a leap-month birth counts as the following month
    Stem yearStem = Stem::Jia;
    Branch yearBranch = Branch::Zi;
    Branch lifePalace = Branch::Zi;  // 命宮
    Branch bodyPalace = Branch::Zi;  // 身宮
    std::string lunarText;           // "旧暦1999年12月16日"

    // The month that month-based stars and the 斗君 use.
    int placementMonth() const;
};

// |month|, plus one for a leap month that counts as the following month, 13 wrapping to 1.
int adjustedLunarMonth(int lunarMonth, int leapAdjust);

// The hour branch of a clock hour 0..23 (23:00 is already 子).
Branch hourBranch(int hour);

// Throws CalendarError when the table has no month for the day (before the first record, or
// on or after the last record's start, which only closes the month before it).
ConvertedMoment ConvertBirthMoment(const CalendarTable& calendar, const DateTime& moment);

// Forward for 陽男 and 陰女, backward for 陰男 and 陽女.
Counting CountingDirection(Sex sex, Stem yearStem);

// The 数え age at the target: one in the lunar year of the birth, one more in every year after.
int CountedAge(const LunarDate& birth, const LunarDate& target);

}  // namespace sorvik::engine
