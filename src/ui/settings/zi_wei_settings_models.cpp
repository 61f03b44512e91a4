#include "zi_wei_settings_models.h"

#include <QColor>

namespace sorvik::ui {

using settings::Grid;
using settings::ZiWeiSettings;

ZiWeiGridModel::ZiWeiGridModel(ZiWeiSettings& store, Grid grid, QObject* parent)
    : QAbstractTableModel(parent), store_(store), grid_(grid) {}

int ZiWeiGridModel::rowCount(const QModelIndex& parent) const {
    if (parent.isValid()) {
        return 0;
    }
    return isNumbers() ? store_.rowCount(grid_) : store_.rowCount(grid_) - 1;
}

int ZiWeiGridModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : store_.columnCount(grid_) - (isNumbers() ? 0 : 1);
}

QModelIndex ZiWeiGridModel::indexOfCell(int row, int column) const {
    return isNumbers() ? index(row, column) : index(row - 1, column - 1);
}

QVariant ZiWeiGridModel::data(const QModelIndex& index, int role) const {
    const int row = isNumbers() ? index.row() : index.row() + 1;
    const int column = isNumbers() ? index.column() : index.column() + 1;
    const bool header = isNumbers() && ZiWeiSettings::isNumberHeaderRow(row);
    switch (role) {
        case Qt::DisplayRole:
        case Qt::EditRole:
            // A header row spans both columns in the view, so its two texts stand together.
            if (header && column == 0) {
                return store_.cell(grid_, row, 0) + store_.cell(grid_, row, 1);
            }
            return store_.cell(grid_, row, column);
        case Qt::TextAlignmentRole:
            if (isNumbers() && column == 1 && !header) {
                return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
            }
            return isNumbers() ? QVariant::fromValue(Qt::AlignLeft | Qt::AlignVCenter)
                               : QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
        case Qt::BackgroundRole:
            return header ? QVariant(QColor(Qt::blue)) : QVariant();
        case Qt::ForegroundRole:
            return header ? QVariant(QColor(Qt::white)) : QVariant();
        default:
            return {};
    }
}

bool ZiWeiGridModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (role != Qt::EditRole || !(flags(index) & Qt::ItemIsEditable)) {
        return false;
    }
    const int row = isNumbers() ? index.row() : index.row() + 1;
    const int column = isNumbers() ? index.column() : index.column() + 1;
    store_.setCell(grid_, row, column, value.toString().trimmed());
    emit dataChanged(index, index);
    return true;
}

QVariant ZiWeiGridModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole || isNumbers()) {
        return {};
    }
    return orientation == Qt::Horizontal ? store_.cell(grid_, 0, section + 1)
                                         : store_.cell(grid_, section + 1, 0);
}

Qt::ItemFlags ZiWeiGridModel::flags(const QModelIndex& index) const {
    if (!index.isValid()) {
        return Qt::NoItemFlags;
    }
    if (isNumbers() && (index.column() == 0 || ZiWeiSettings::isNumberHeaderRow(index.row()))) {
        return Qt::ItemIsEnabled;
    }
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsEditable;
}

void ZiWeiGridModel::reload() {
    beginResetModel();
    endResetModel();
}

}  // namespace sorvik::ui
