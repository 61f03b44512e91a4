#pragma once

#include <QTableView>

namespace sorvik::ui {

// A grid of the palace detail: its model's header is row 0, drawn white on teal; every cell is
// black on white with its text 2 pixels below the top, aligned as the model says. Nothing can
// be selected; the columns can be dragged and the last one takes the remaining width.
class DetailGrid : public QTableView {
    Q_OBJECT
  public:
    static constexpr int kRowHeight = 14;  // plus one pixel of grid line

    explicit DetailGrid(QWidget* parent = nullptr);

    // Rows × (row height + 1), row 0 included.
    static int rowsHeight(int rows) { return rows * (kRowHeight + 1); }
};

}  // namespace sorvik::ui
