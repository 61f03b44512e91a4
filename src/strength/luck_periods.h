#pragma once

#include <array>
#include <string>

#include "engine/branch.h"
#include "engine/calendar_table.h"
#include "engine/chart_request.h"
#include "engine/placement_tables.h"
#include "strength/strength_tables.h"

// The luck periods (行運): for 99 ages from the first decade on, the palaces of the 大限, the
// 小限 and the 太歳, their strengths and the weighted total.
namespace sorvik::strength {

inline constexpr int kLuckRows = 8;
inline constexpr int kLuckColumns = 100;  // the captions, then one column per age
inline constexpr int kLuckAges = kLuckColumns - 1;

enum LuckRow {
    kAgeRow,
    kMajorPalaceRow,  // 大限
    kMajorValueRow,
    kMinorPalaceRow,  // 小限
    kMinorValueRow,
    kYearPalaceRow,  // 太歳
    kYearValueRow,
    kTotalRow,
};

using LuckTable = std::array<std::array<std::string, kLuckColumns>, kLuckRows>;

// The shares of the 大限, 小限 and 太歳 values in the total, in percent.
struct LuckShares {
    int major = 60;
    int minor = 30;
    int year = 10;
};

// What the periods read of a natal chart.
struct LuckChart {
    engine::Branch yearBranch = engine::Branch::Zi;
    engine::Branch life = engine::Branch::Zi;  // 命宮
    bool backward = false;                     // the counting direction
    bool male = true;
    int bureau = 2;                      // 2 (水二局) … 6 (火六局)
    std::array<double, 12> strengths{};  // palace strengths by branch
};

struct LuckPeriods {
    LuckTable table;
    int firstAge = 0;  // the age of column 1, the bureau number
    // Per age column (index 0 is column 1): the 大限 value as shown and the total before it
    // is shown, the two lines of the graph.
    std::array<double, kLuckAges> majorValues{};
    std::array<double, kLuckAges> totals{};
};

// Converts and places the birth as a chart does and scores its palaces. Throws as
// engine::RequestChart does for a birth that cannot be charted.
LuckChart LuckChartOf(const engine::CalendarTable& calendar, const engine::BirthMoment& person,
                      const engine::PlacementTables& placementTables,
                      const StrengthTables& strengthTables);

LuckPeriods ComputeLuckPeriods(const LuckChart& chart, const LuckShares& shares);

// The total of three one-decimal values: each share of a value is exact in decimal, and only
// the sum is rounded, once, to a double.
double LuckTotal(double major, double minor, double year, const LuckShares& shares);

// The table as the CSV file holds it: every cell followed by ",", every line by CR LF. UTF-8;
// the file is written in Shift-JIS.
std::string LuckCsvText(const LuckTable& table);

}  // namespace sorvik::strength
