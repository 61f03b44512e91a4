#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "engine/catalogue.h"

// The chart grid: four blocks by four, twelve palaces round the edge, each block X star columns
// wide and Y star rows plus n info rows high, and one zero-width column for the "H" marks.
namespace sorvik::strength {

struct GridShape {
    int columns = 7;   // X, star columns per palace
    int starRows = 2;  // Y
    int infoRows = 0;  // n

    int blockRows() const { return starRows + infoRows; }
    int gridColumns() const { return 4 * columns + 1; }
    int gridRows() const { return 4 * blockRows(); }
    bool operator==(const GridShape&) const = default;
};

struct BlockPosition {
    int column;
    int row;
};

// The block of the 4 × 4 square that each palace occupies, by branch 子..亥.
inline constexpr std::array<BlockPosition, 12> kPalaceBlockTable = {{
    {2, 3},
    {1, 3},
    {0, 3},
    {0, 2},
    {0, 1},
    {0, 0},
    {1, 0},
    {2, 0},
    {3, 0},
    {3, 1},
    {3, 2},
    {3, 3},
}};

// Grid cells of one palace, all bounds inclusive.
struct PalaceRect {
    int left, top, right, bottom;
    bool contains(int column, int row) const {
        return column >= left && column <= right && row >= top && row <= bottom;
    }
};
using PalaceRects = std::array<PalaceRect, 12>;

PalaceRects palaceRects(const GridShape& shape);

// The first palace in branch order whose block holds the cell; 子 when none does.
engine::Branch PalaceAtCell(const PalaceRects& rects, int column, int row);

// The cell texts and the star shown in each cell (CellStars).
class ChartGrid {
  public:
    explicit ChartGrid(const GridShape& shape = {});

    const GridShape& shape() const { return shape_; }
    const PalaceRects& rects() const { return rects_; }
    int columnCount() const { return shape_.gridColumns(); }
    int rowCount() const { return shape_.gridRows(); }
    int markColumn() const { return columnCount() - 1; }

    const std::string& text(int column, int row) const { return texts_[index(column, row)]; }
    void setText(int column, int row, std::string text) {
        texts_[index(column, row)] = std::move(text);
    }
    int cellStar(int column, int row) const { return stars_[index(column, row)]; }
    void setCellStar(int column, int row, int star) {
        stars_[index(column, row)] = static_cast<std::uint8_t>(star);
    }
    bool isStarRow(int row) const { return row % shape_.blockRows() < shape_.starRows; }

    void clear();

  private:
    std::size_t index(int column, int row) const {
        return static_cast<std::size_t>(row) * static_cast<std::size_t>(columnCount()) +
               static_cast<std::size_t>(column);
    }

    GridShape shape_;
    PalaceRects rects_;
    std::vector<std::string> texts_;
    std::vector<std::uint8_t> stars_;
};

// The info rows of a palace as the grid shows them, top to bottom, empty rows left out.
std::vector<std::string> ShownInfoRows(const ChartGrid& grid, engine::Branch palace);

}  // namespace sorvik::strength
