#include "chart_grid.h"

namespace sorvik::strength {

PalaceRects palaceRects(const GridShape& shape) {
    PalaceRects rects{};
    for (std::size_t b = 0; b < rects.size(); ++b) {
        const BlockPosition block = kPalaceBlockTable[b];
        const int left = block.column * shape.columns;
        const int top = block.row * shape.blockRows();
        rects[b] = {left, top, left + shape.columns - 1, top + shape.blockRows() - 1};
    }
    return rects;
}

engine::Branch PalaceAtCell(const PalaceRects& rects, int column, int row) {
    for (const engine::Branch b : engine::kBranches) {
        if (rects[index(b)].contains(column, row)) {
            return b;
        }
    }
    return engine::Branch::Zi;
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
