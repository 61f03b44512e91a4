#include "table_print_grid.h"

#include <QApplication>
#include <QHeaderView>
#include <QTableView>

namespace sorvik::ui {

TablePrintGrid::TablePrintGrid(QString gridName, const QAbstractItemModel& model,
                               const QTableView* view)
    : name_(std::move(gridName)),
      model_(model),
      view_(view),
      font_(view ? view->font() : QApplication::font()) {}

int TablePrintGrid::rowHeight(int row) const {
    if (view_ == nullptr) {
        return kDefaultRowHeight;
    }
    if (row == 0) {
        return view_->horizontalHeader()->isVisible()
                   ? view_->horizontalHeader()->height()
                   : view_->verticalHeader()->defaultSectionSize();
    }
    return view_->isRowHidden(row - 1) ? 0 : view_->rowHeight(row - 1);
}

int TablePrintGrid::columnWidth(int column) const {
    if (view_ == nullptr) {
        return kDefaultColumnWidth;
    }
    return view_->isColumnHidden(column) ? 0 : view_->columnWidth(column);
}

QString TablePrintGrid::text(int column, int row) const {
    if (row == 0) {
        return model_.headerData(column, Qt::Horizontal, Qt::DisplayRole).toString();
    }
    return model_.data(model_.index(row - 1, column), Qt::DisplayRole).toString();
}

}  // namespace sorvik::ui
