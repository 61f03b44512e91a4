#pragma once

#include <array>

#include <QString>
#include <QStringList>

#include "engine/chart_request.h"
#include "strength/chart_grid.h"

// What the exports read of a chart window: its chart, its grid and the names round them.
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
};

// The pattern list's cells row by row, column 0 then 1; cells without a name are empty.
QStringList patternCells(const engine::Chart& chart);

// The first ten characters of ZNen.
QString targetDateHead(const engine::ChartLabels& labels);
// Nat from its fourth Shift-JIS byte on, at most 20 bytes.
QString natalTail(const engine::ChartLabels& labels);

// "氏名：NAME" + suffix, the file name both exports use.
QString exportFileName(const engine::ChartLabels& labels, const QString& suffix);

}  // namespace sorvik::output
