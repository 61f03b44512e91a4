#include "strength/luck_periods.h"

#include <charconv>
#include <cmath>
#include <cstdint>

#include "engine/catalogue.h"
#include "engine/conversion.h"
#include "engine/placement.h"
#include "strength/one_decimal.h"
#include "strength/palace_strength.h"

namespace sorvik::strength {

namespace {

constexpr const char* kCaptions[kLuckRows] = {"", "大限", "値", "小限", "値", "太歳", "値", "計"};

// Below this every value is a whole number of tenths that the integers hold with room for the
// shares; beyond it (hand-edited tables only) nothing is exact anyway.
constexpr double kExactBound = 1e12;

// A value as the table shows it, and that text read back as a number.
struct ShownValue {
    std::string text;
    double number = 0;
};

ShownValue shown(double value) {
    ShownValue v{formatOneDecimal(value, kStrengthWidth)};
    const char* first = v.text.data();
    const char* last = first + v.text.size();
    while (first != last && *first == ' ') {
        ++first;
    }
    std::from_chars(first, last, v.number);
    return v;
}

// The palace of the 小限 at an age: for a man at the year branch's triple and on forward, for
// a woman at the same palace and on backward.
engine::Branch minorPalace(engine::Branch yearBranch, bool male, int age) {
    const int triple = 3 * (index(yearBranch) % 4);
    return engine::branchAt(male ? age + 9 - triple : 167 - triple - age);
}

}  // namespace

LuckChart LuckChartOf(const engine::CalendarTable& calendar, const engine::BirthMoment& person,
                      const engine::PlacementTables& placementTables,
                      const StrengthTables& strengthTables) {
    const engine::ConvertedMoment birth =
        engine::ConvertBirthMoment(calendar, engine::BirthMomentOf(person));
    const engine::Counting direction = engine::CountingDirection(person.sex, birth.yearStem);
    const engine::Placement placement = engine::PlaceStars(birth, direction, placementTables);
    LuckChart chart;
    chart.yearBranch = birth.yearBranch;
    chart.life = birth.lifePalace;
    chart.backward = direction == engine::Counting::Backward;
    chart.male = person.sex == engine::Sex::Male;
    chart.bureau = placement.bureau;
    chart.strengths = palaceStrengths(placement.palaceStarLists, birth.lifePalace, birth.bodyPalace,
                                      strengthTables);
    return chart;
}

double LuckTotal(double major, double minor, double year, const LuckShares& shares) {
    if (std::fabs(major) < kExactBound && std::fabs(minor) < kExactBound &&
        std::fabs(year) < kExactBound) {
        const auto tenths = [](double value) { return std::llround(value * 10.0); };
        const std::int64_t thousandths = tenths(major) * shares.major +
                                         tenths(minor) * shares.minor + tenths(year) * shares.year;
        return static_cast<double>(thousandths) / 1000.0;
    }
    return (major * shares.major + minor * shares.minor + year * shares.year) / 100.0;
}

LuckPeriods ComputeLuckPeriods(const LuckChart& chart, const LuckShares& shares) {
    std::array<ShownValue, 12> values;
    for (const engine::Branch b : engine::kBranches) {
        values[static_cast<std::size_t>(index(b))] =
            shown(chart.strengths[static_cast<std::size_t>(index(b))]);
    }
    const auto valueAt = [&](engine::Branch b) -> const ShownValue& {
        return values[static_cast<std::size_t>(index(b))];
    };

    LuckPeriods periods;
    periods.firstAge = chart.bureau;
    LuckTable& table = periods.table;
    for (int row = 0; row < kLuckRows; ++row) {
        table[row][0] = kCaptions[row];
    }
    for (int column = 1; column < kLuckColumns; ++column) {
        const int age = chart.bureau + column - 1;
        const int decade = (column - 1) / 10;
        const engine::Branch palaces[3] = {
            chart.backward ? chart.life - decade : chart.life + decade,
            minorPalace(chart.yearBranch, chart.male, age),
            engine::branchAt(age + index(chart.yearBranch) - 1),
        };
        table[kAgeRow][column] = std::to_string(age) + "歳";
        for (int period = 0; period < 3; ++period) {
            table[kMajorPalaceRow + 2 * period][column] = engine::branchName(palaces[period]);
            table[kMajorValueRow + 2 * period][column] = valueAt(palaces[period]).text;
        }
        const double major = valueAt(palaces[0]).number;
        const double total =
            LuckTotal(major, valueAt(palaces[1]).number, valueAt(palaces[2]).number, shares);
        table[kTotalRow][column] = formatOneDecimal(total, kStrengthWidth);
        periods.majorValues[static_cast<std::size_t>(column - 1)] = major;
        periods.totals[static_cast<std::size_t>(column - 1)] = total;
    }
    return periods;
}

std::string LuckCsvText(const LuckTable& table) {
    std::string text;
    for (const auto& row : table) {
        for (const std::string& cell : row) {
            text += cell;
            text += ',';
        }
        text += "\r\n";
    }
    return text;
}

}  // namespace sorvik::strength
