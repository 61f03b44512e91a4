#pragma once

#include <QString>
#include <QStringList>

#include "output/chart_export.h"

// "命盤HTML出力": the palace grid as an HTML table, the centre panel's texts in its middle.
namespace sorvik::output {

// The block's star rows from first row r0, one line each: the non-empty cells from the block's
// right column to its left, each followed by "<BR>".
QStringList HtmlStarLines(const strength::ChartGrid& grid, int blockColumn, int firstRow);
// The block's info rows from first row r0: the left column's text + "<BR>" each.
QStringList HtmlInfoLines(const strength::ChartGrid& grid, int blockColumn, int firstRow);

// The text in the table's centre cell.
QString centreText(const engine::Chart& chart);

// The page's lines, title and maker's address as named.
QStringList WriteChartHtml(const ChartExport& chart, const QString& title = kApplicationTitle,
                           const QString& address = kMakerAddress);

}  // namespace sorvik::output
