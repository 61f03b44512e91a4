#pragma once

#include <vector>

#include <QFont>

#include "output/grid_printer.h"

class QAbstractItemModel;
class QTableView;

namespace sorvik::ui {

// A table of the program as a grid to print, as its view shows it: the column titles the view
// shows become the fixed row 0 and its row titles the fixed column 0, so that every page
// carries them; without row titles the first column stays fixed. Hidden columns are left out,
// hidden rows get no height, and a cell spanning columns on screen spans them on paper.
class TablePrintGrid : public output::PrintGrid {
  public:
    TablePrintGrid(QString gridName, const QTableView& view);

    QString name() const override { return name_; }
    int rowCount() const override;
    int columnCount() const override;
    int fixedRows() const override { return titleRow_ ? 1 : 0; }
    int fixedColumns() const override;
    int rowHeight(int row) const override;
    int columnWidth(int column) const override;
    int columnSpan(int column, int row) const override;
    QString text(int column, int row) const override;
    QFont font() const override { return font_; }

  private:
    // The model's row and column of a grid cell; -1 for a title.
    int modelRow(int row) const { return row - (titleRow_ ? 1 : 0); }
    int modelColumn(int column) const;

    QString name_;
    const QTableView& view_;
    const QAbstractItemModel& model_;
    QFont font_;
    bool titleRow_;
    bool titleColumn_;
    std::vector<int> columns_;  // the model columns shown, in order
};

}  // namespace sorvik::ui
