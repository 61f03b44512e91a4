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

std::vector<std::string> ShownInfoRows(const ChartGrid& grid, engine::Branch palace) {
    const PalaceRect& rect = grid.rects()[index(palace)];
    std::vector<std::string> rows;
    for (int row = rect.top + grid.shape().starRows; row <= rect.bottom; ++row) {
        if (const std::string& text = grid.text(rect.left, row); !text.empty()) {
            rows.push_back(text);
        }
    }
    return rows;
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
