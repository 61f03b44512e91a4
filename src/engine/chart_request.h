#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "engine/calendar_table.h"
#include "engine/catalogue.h"
#include "engine/chart_record.h"
#include "engine/conversion.h"
#include "engine/patterns.h"
#include "engine/placement.h"
#include "engine/placement_tables.h"

namespace sorvik::engine {

// What the entry bar gives a chart request.
struct BirthMoment {
    std::string name;
    Sex sex = Sex::Male;
    std::string dateText;  // "yyyy/mm/dd"
    std::string timeText;  // "hh:mm"
};

// The start dates ("yy/mm/dd") of the target year's lunar months, by the palace they fall in.
using MonthlyLuckDates = std::array<std::string, 12>;

// One chart as a computation: the record a chart window keeps, its centre texts, and the
// values of the two conversions it made.
struct Chart {
    ChartRecord record;
    ChartLabels labels;
    ConvertedMoment birth;
    ConvertedMoment target;  // valid once the target date has been applied
    MonthlyLuckDates monthlyLuckDates;
    // The natal stars, with placement tables only; the record's palace lists are a copy.
    Placement placement;
    PatternFlags patternFlags{};
    std::vector<std::string> patterns;  // names of the patterns that hold, in number order
    YearlyStarLists yearlyStarLists{};  // of the target year, once it has been applied
};

// What the chart request reads of the settings.
struct ChartSettings {
    const PlacementTables& placementTables;  // power, brightness and the 天馬 rule
    int bodyStarRule = 0;                    // RG2: which 身主 table
};

// The birth part of a chart (everything that does not depend on the target date). The target
// date goes only into the `ZNen` text here. Throws CalendarError for a birth the table cannot
// convert (callers check the range first).
Chart RequestChartBirth(const CalendarTable& calendar, const StarDisplayNames& names,
                        const BirthMoment& person, const DateTime& targetDate,
                        const ChartSettings& settings);

// The yearly part: converts the target date, sets the age, `Kazoe`, `ZKS` and the monthly
// luck dates. Also what the chart window repeats when the target date moves. Throws
// CalendarError when the target lies outside the table; the chart keeps its birth part then.
void ApplyTargetDate(Chart& chart, const CalendarTable& calendar, const DateTime& targetDate);

// Both parts, as the entry bar's request makes them.
Chart RequestChart(const CalendarTable& calendar, const StarDisplayNames& names,
                   const BirthMoment& person, const DateTime& targetDate,
                   const ChartSettings& settings);

// The birth moment of the entry's date and time; throws ConversionError with the refusal
// "生年月日『…』が不正です。" when they are not a moment.
DateTime BirthMomentOf(const BirthMoment& person);

// `ZKS` and `Kazoe` of a target year: its stem and branch, the counted age of the header and
// the 斗君.
void SetTargetYearLabels(ChartLabels& labels, const StarRow& header, Stem yearStem,
                         Branch yearBranch);

// The 斗君 branch from the birth month, its leap adjustment and the hour branch.
Branch Dokun(int lunarMonth, int leapAdjust, Branch hour);

// Fills the luck dates of the target year; with the calendar unavailable they stay empty.
MonthlyLuckDates FillMonthlyLuckDates(const CalendarTable& calendar, const ChartRecord& record,
                                      bool calendarAvailable, Branch targetYearBranch,
                                      int targetLunarYear);

// The star numbers of the 命主 (by 命宮), the 身主 (by rule and year branch) and the 納音命主
// (by bureau).
int LifeMasterStar(Branch lifePalace);
int BodyMasterStar(int rule, Branch yearBranch);
int NayinMasterStar(int bureau);

// "yyyy/m/d h:m  " as the chart shows the target date.
std::string formatTargetDate(const DateTime& moment);

}  // namespace sorvik::engine
