#pragma once

#include <QAbstractItemModel>
#include <QFont>

#include "output/grid_printer.h"

class QTableView;

namespace sorvik::ui {

// A table of the program as a grid to print: the column titles become the fixed row 0 and the
// first column stays fixed too. Sizes and font come from the view showing the table, or are the
// usual ones without a view.
class TablePrintGrid : public output::PrintGrid {
  public:
    static constexpr int kDefaultColumnWidth = 64;
    static constexpr int kDefaultRowHeight = 18;

    TablePrintGrid(QString gridName, const QAbstractItemModel& model,
                   const QTableView* view = nullptr);

    QString name() const override { return name_; }
    int rowCount() const override { return model_.rowCount() + 1; }
    int columnCount() const override { return model_.columnCount(); }
    int fixedRows() const override { return 1; }
    int fixedColumns() const override { return model_.columnCount() > 1 ? 1 : 0; }
    int rowHeight(int row) const override;
    int columnWidth(int column) const override;
    QString text(int column, int row) const override;
    QFont font() const override { return font_; }

  private:
    QString name_;
    const QAbstractItemModel& model_;
    const QTableView* view_;
    QFont font_;
};

}  // namespace sorvik::ui
