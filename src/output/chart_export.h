#pragma once

#include <array>

#include <QString>
#include <QStringList>

#include "engine/chart_request.h"
#include "strength/chart_grid.h"

// What the exports read of an open chart: its chart, its grid, its person and target date, and
// the names round them.
namespace sorvik::output {

inline constexpr char kApplicationTitle[] = "Sorvik Ver2.69";
// The maker's page that the HTML export links to.
inline constexpr char kMakerAddress[] = "https://www.velmora.example/";

inline constexpr int kPatternCells = 10;  // KakuSG: five rows of two names

struct ChartExport {
    const engine::Chart& chart;
    const strength::ChartGrid& grid;
    // PalaceNameTable: entry i names the palace i branches before the 命宮.
    const std::array<QString, 12>& palaceNames;
    const engine::BirthMoment& person;
    engine::DateTime targetDate;
    const engine::StarDisplayNames& names;
};

// The pattern list's cells row by row, column 0 then 1; cells without a name are empty.
QStringList patternCells(const engine::Chart& chart);

// The target date as the chart shows it, cut to its first ten characters.
QString targetDateHead(const engine::DateTime& target);
// The 納音命主 of the chart's bureau as the header's last line ends, at most 20 bytes.
QString natalTail(const ChartExport& chart);

// "氏名：NAME" + suffix, the file name every export uses.
QString exportFileName(const engine::BirthMoment& person, const QString& suffix);

}  // namespace sorvik::output
