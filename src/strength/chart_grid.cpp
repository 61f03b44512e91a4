#include "chart_grid.h"

namespace sorvik::strength {

PalaceRects palaceRects(const GridShape& shape) {
    PalaceRects rects{};
    for (engine::Branch b = 0; b < 12; ++b) {
        const BlockPosition block = kPalaceBlockTable[static_cast<std::size_t>(b)];
        const int left = block.column * shape.columns;
        const int top = block.row * shape.blockRows();
        rects[static_cast<std::size_t>(b)] = {left, top, left + shape.columns - 1,
                                              top + shape.blockRows() - 1};
    }
    return rects;
}

engine::Branch PalaceAtCell(const PalaceRects& rects, int column, int row) {
    for (engine::Branch b = 0; b < 12; ++b) {
        if (rects[static_cast<std::size_t>(b)].contains(column, row)) {
            return b;
        }
    }
    return 0;
}

ChartGrid::ChartGrid(const GridShape& shape)
    : shape_(shape),
      rects_(palaceRects(shape)),
      texts_(static_cast<std::size_t>(shape.gridColumns() * shape.gridRows())),
      stars_(texts_.size()) {}

void ChartGrid::clear() {
    for (std::string& text : texts_) {
        text.clear();
    }
    std::fill(stars_.begin(), stars_.end(), std::uint8_t{0});
}

}  // namespace sorvik::strength
