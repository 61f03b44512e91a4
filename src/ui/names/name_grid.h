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
// high, whole rows selected, no editing. Rows can be moved by dragging when allowed; a move
// changes the order the list is saved in.
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
    void setRowsMovable(bool movable);

  signals:
    // A click on a column's header, the name column's included.
    void headerClicked(int column);

  protected:
    void dropEvent(QDropEvent* event) override;
    void changeEvent(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    void applyColumnWidths();
    // The name column stays in place over the grid while the other columns scroll.
    void makeFrozenColumn();
    void placeFrozenColumn();

    NameListModel* model_;
    QTableView* frozen_ = nullptr;
};

}  // namespace sorvik::ui
