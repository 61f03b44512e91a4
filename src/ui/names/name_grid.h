#pragma once

#include <QStyledItemDelegate>
#include <QTableView>

#include "records/name_list.h"
#include "records/name_table.h"

namespace sorvik::settings {
class SystemSettings;
}

namespace sorvik::ui {

class NameListModel;

// The cells of the name list and the time list: a teal header with white text, the name column
// grey with white text, other cells white; a selected row in the colour of the selected palace
// with black text. It only paints.
class NameCellDelegate : public QStyledItemDelegate {
    Q_OBJECT
  public:
    NameCellDelegate(const settings::SystemSettings& system, QObject* parent);
    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;

  private:
    const settings::SystemSettings& system_;
};

// The grid NSG over a list of persons: 38 columns of the name list's widths, rows 18 pixels
// high, whole rows selected, no editing. Dragging over the cells selects a range; when rows
// are movable, a row dragged by its name goes to the row it is dropped on.
class NameGrid : public QTableView {
    Q_OBJECT
  public:
    static constexpr int kRowHeight = 18;

    NameGrid(records::NameList& list, const records::Headers& headers,
             const settings::SystemSettings& system, QWidget* parent);

    NameListModel& nameModel() const { return *model_; }
    records::NameList& list() const;
    // The selected rows as one block: first row and count (0 when none).
    std::pair<int, int> selectedBlock() const;
    // Makes a row the current one, selected and in view.
    void goToRow(int row);
    void setRowsMovable(bool movable) { rowsMovable_ = movable; }
    // The name column, which stays in place while the other columns scroll.
    QTableView* nameColumn() const { return frozen_; }

  signals:
    // A click on a column's header, the name column's included.
    void headerClicked(int column);
    // A person dragged by the name from row `from` now stands in row `to`.
    void rowMoved(int from, int to);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void changeEvent(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    void applyColumnWidths();
    void makeFrozenColumn();
    void placeFrozenColumn();
    // The row a drag over the name column at y would drop on; the view scrolls at its edges.
    int dropRow(int y);
    void showDropLine(int row);
    bool dragRow(QMouseEvent& event);

    NameListModel* model_;
    QTableView* frozen_ = nullptr;
    QWidget* dropLine_ = nullptr;
    bool rowsMovable_ = false;
    int pressedRow_ = -1;  // the row pressed in the name column, while the button is down
    QPoint pressedAt_;
    bool dragging_ = false;
};

}  // namespace sorvik::ui
