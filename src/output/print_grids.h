#pragma once

#include <functional>
#include <optional>
#include <vector>

#include <QColor>
#include <QString>

#include "engine/chart_request.h"
#include "output/grid_printer.h"
#include "strength/chart_grid.h"

// How each kind of grid looks on paper, and the chart as a grid to print.
namespace sorvik::output {

// The chart grid BSG with the row heights its window laid it out with.
class ChartPrintGrid : public PrintGrid {
  public:
    ChartPrintGrid(const strength::ChartGrid& grid, std::vector<int> rowHeights, QFont font)
        : grid_(grid), rowHeights_(std::move(rowHeights)), font_(std::move(font)) {}
    QString name() const override { return QStringLiteral("BSG"); }
    int rowCount() const override { return grid_.rowCount(); }
    int columnCount() const override { return grid_.columnCount(); }
    int rowHeight(int row) const override { return rowHeights_.at(static_cast<std::size_t>(row)); }
    int columnWidth(int column) const override;
    QString text(int column, int row) const override;
    QFont font() const override { return font_; }
    const strength::ChartGrid& grid() const { return grid_; }

  private:
    const strength::ChartGrid& grid_;
    std::vector<int> rowHeights_;
    QFont font_;
};

inline constexpr int kChartColumnWidth = 15;

// Row heights of a chart grid: star rows of 4 × the height of "あ" + the margin (2 pixels
// lower with one star row), info rows of margin div 3 + 12, the last of a block 1 higher.
std::vector<int> chartRowHeights(const strength::GridShape& shape, int characterHeight, int margin);

// "造命 " and the centre texts each followed by ",", the pattern rows ("A　B,") and a last ",".
QString chartPrintHeader(const engine::Chart& chart);

struct ChartPrinting {
    QString header;
    const strength::ChartGrid* cells = nullptr;  // CellStars
    std::function<std::optional<QColor>(int)> starColour;
    QString fontFamily;  // the chart-printing font
    // Raised at each page drawn of a chart that needs more than one page.
    std::function<void()> tooManyPages;
};

struct PrintLook {
    QString title;
    bool colour = true;
    ChartPrinting chart;  // BSG only
};

// The message of a chart that does not fit one page.
QString chartTooLargeMessage();

// Sets the printer's page events for its grid's kind.
void setUpDrawing(GridPrinter& printer, const PrintLook& look);

}  // namespace sorvik::output
