#include "table_print_grid.h"

#include <QHeaderView>
#include <QTableView>

namespace sorvik::ui {

TablePrintGrid::TablePrintGrid(QString gridName, const QTableView& view)
    : name_(std::move(gridName)),
      view_(view),
      model_(*view.model()),
      font_(view.font()),
      titleRow_(!view.horizontalHeader()->isHidden()),
      titleColumn_(!view.verticalHeader()->isHidden()) {
    for (int column = 0; column < model_.columnCount(); ++column) {
        if (!view.isColumnHidden(column)) {
            columns_.push_back(column);
        }
    }
}

int TablePrintGrid::rowCount() const {
    return model_.rowCount() + (titleRow_ ? 1 : 0);
}

int TablePrintGrid::columnCount() const {
    return static_cast<int>(columns_.size()) + (titleColumn_ ? 1 : 0);
}

int TablePrintGrid::fixedColumns() const {
    return titleColumn_ || columnCount() > 1 ? 1 : 0;
}

int TablePrintGrid::modelColumn(int column) const {
    const int at = column - (titleColumn_ ? 1 : 0);
    return at < 0 ? -1 : columns_.at(static_cast<std::size_t>(at));
}

int TablePrintGrid::rowHeight(int row) const {
    const int r = modelRow(row);
    if (r < 0) {
        const QHeaderView& titles = *view_.horizontalHeader();
        return titles.isVisible() ? titles.height() : titles.sizeHint().height();
    }
    return view_.isRowHidden(r) ? 0 : view_.rowHeight(r);
}

int TablePrintGrid::columnWidth(int column) const {
    const int c = modelColumn(column);
    if (c < 0) {
        const QHeaderView& titles = *view_.verticalHeader();
        return titles.isVisible() ? titles.width() : titles.sizeHint().width();
    }
    return view_.columnWidth(c);
}

int TablePrintGrid::columnSpan(int column, int row) const {
    const int r = modelRow(row);
    const int c = modelColumn(column);
    if (r < 0 || c < 0) {
        return 1;
    }
    // Counted in shown columns, as far as the grid goes.
    int span = 1;
    for (int next = column + 1;
         next < columnCount() && modelColumn(next) < c + view_.columnSpan(r, c); ++next) {
        ++span;
    }
    return span;
}

QString TablePrintGrid::text(int column, int row) const {
    const int r = modelRow(row);
    const int c = modelColumn(column);
    if (r < 0 && c < 0) {
        return {};
    }
    if (r < 0) {
        return model_.headerData(c, Qt::Horizontal, Qt::DisplayRole).toString();
    }
    if (c < 0) {
        return model_.headerData(r, Qt::Vertical, Qt::DisplayRole).toString();
    }
    return model_.data(model_.index(r, c), Qt::DisplayRole).toString();
}

}  // namespace sorvik::ui
