#include "output/grid_printer.h"

#include <QFont>
#include <QPainter>

#include <gtest/gtest.h>

#include "output/print_grids.h"

namespace sorvik::output {
namespace {

// A table of equal cells with one fixed row and one fixed column, like the star display table.
class TableGrid : public PrintGrid {
  public:
    TableGrid(int columns, int rows, int width, int height)
        : columns_(columns), rows_(rows), width_(width), height_(height) {}
    QString name() const override { return QStringLiteral("SG1"); }
    int rowCount() const override { return rows_; }
    int columnCount() const override { return columns_; }
    int fixedRows() const override { return 1; }
    int fixedColumns() const override { return 1; }
    int rowHeight(int) const override { return height_; }
    int columnWidth(int) const override { return width_; }
    QString text(int column, int row) const override {
        return QStringLiteral("%1,%2").arg(column).arg(row);
    }
    QFont font() const override { return QFont(); }

  private:
    int columns_, rows_, width_, height_;
};

struct DrawnCell {
    int column, row;
    CellRect rect;
};

// 1 inch by 1 inch printable at 96 dots per inch after margins of 0: the grid's pixels are the
// printer's.
constexpr PrinterGeometry kSquarePage{96, 96, 96, 96};

class GridPrinterTest : public ::testing::Test {
  protected:
    GridPrinterTest() {
        printer.TargetGrid = &grid;
        printer.OnDrawCell = [this](QPainter&, int column, int row, const CellRect& rect) {
            drawn.push_back({column, row, rect});
        };
    }
    std::vector<DrawnCell> drawPage(PagePosition page) {
        drawn.clear();
        printer.setPage(page);
        printer.renderPage(96);
        return drawn;
    }

    TableGrid grid{5, 5, 30, 30};  // 150 × 150 on a 96 × 96 page
    GridPrinter printer;
    std::vector<DrawnCell> drawn;
};

TEST_F(GridPrinterTest, SecondPagesRepeatTheFixedRowAndColumn) {
    printer.paginate(kSquarePage);
    // Fixed 30 + two cells of 30 = 90 below 96, a third would reach 120.
    EXPECT_EQ(printer.rowPageStarts(), (std::vector<int>{1, 3}));
    EXPECT_EQ(printer.columnPageStarts(), (std::vector<int>{1, 3}));
    EXPECT_EQ(printer.counts().total(), 4);

    const std::vector<DrawnCell> cells = drawPage({2, 2});
    std::vector<std::pair<int, int>> positions;
    for (const DrawnCell& cell : cells) {
        positions.emplace_back(cell.column, cell.row);
    }
    const std::vector<std::pair<int, int>> expected{{0, 0}, {3, 0}, {4, 0}, {0, 3}, {3, 3},
                                                    {4, 3}, {0, 4}, {3, 4}, {4, 4}};
    EXPECT_EQ(positions, expected);
    EXPECT_EQ(cells.front().rect, (CellRect{0, 0, 30, 30}));
    EXPECT_EQ(cells.back().rect, (CellRect{60, 60, 90, 90}));
}

TEST_F(GridPrinterTest, EnlargingKeepsThePageCountAndScalesTheCells) {
    printer.paginate(kSquarePage);
    const int pages = printer.counts().total();
    printer.setZoom(200);
    printer.paginate(kSquarePage);
    EXPECT_EQ(printer.counts().total(), pages);
    const std::vector<DrawnCell> cells = drawPage({1, 1});
    EXPECT_EQ(cells.at(1).rect, (CellRect{60, 0, 120, 60}));
    printer.setZoom(0);  // only a positive zoom is taken
    EXPECT_EQ(printer.zoom(), 200);
}

TEST_F(GridPrinterTest, MarginsMoveTheCellsAndShrinkThePage) {
    printer.margins = {5, 0, 10, 0};  // top 5 mm, left 10 mm
    printer.paginate({600, 600, 4960, 7016});
    const std::vector<DrawnCell> cells = drawPage({1, 1});
    // trunc(10 / 25.4 × 600) = 236 printer pixels, drawn at 96 / 600 of them.
    EXPECT_EQ(cells.front().rect.left, static_cast<int>(236 * 96.0 / 600));
    EXPECT_EQ(cells.front().rect.top, static_cast<int>(118 * 96.0 / 600));
    EXPECT_EQ(printer.counts().total(), 1);
}

TEST(ChartPrinting, TooLargeChartWarnsAtEveryPageDrawn) {
    strength::ChartGrid chart({7, 2, 2});
    const ChartPrintGrid grid(chart, chartRowHeights(chart.shape(), 12, 3), QFont());
    GridPrinter printer;
    printer.TargetGrid = &grid;
    int warnings = 0;
    ChartPrinting printing{QString(), &chart, nullptr, QString(), [&warnings] { ++warnings; }};
    setUpDrawing(printer, {QString(), true, printing});
    printer.paginate({96, 96, 800, 800});
    printer.renderPage(96);
    EXPECT_EQ(warnings, 0);
    printer.paginate({96, 96, 300, 300});
    ASSERT_GT(printer.counts().total(), 1);
    printer.renderPage(96);
    printer.renderPage(96);
    EXPECT_EQ(warnings, 2);
}

TEST(ChartPrinting, RowHeightsFollowTheWindowsLayout) {
    EXPECT_EQ(chartRowHeights({6, 1, 2}, 12, 3),
              (std::vector<int>{49, 13, 14, 49, 13, 14, 49, 13, 14, 49, 13, 14}));
    EXPECT_EQ(chartRowHeights({6, 2, 0}, 12, 6).front(), 54);
}

TEST(ChartPrinting, HeaderCarriesLabelsAndPatternRows) {
    engine::Chart chart;
    chart.labels = {"氏名：山田",     "D",      "I", "L", "K", "Z", "M", "S", "N",
                    "2024/3/5 9:7  ", "甲辰年 "};
    chart.patterns = {"A", "B", "C"};
    EXPECT_EQ(
        chartPrintHeader(chart),
        QStringLiteral("造命 2024/3/5 9:7  ,甲辰年 ,氏名：山田,D,I,L,K,Z,M,S,N,A　B,C　,　,　,"
                       "　,,"));
}

}  // namespace
}  // namespace sorvik::output
