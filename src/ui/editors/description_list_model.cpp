#include "description_list_model.h"

#include <QBrush>
#include <QPalette>

namespace sorvik::ui {

void DescriptionListModel::setList(DescriptionList list) {
    beginResetModel();
    list_ = std::move(list);
    endResetModel();
}

void DescriptionListModel::removeListRow(int row) {
    beginRemoveRows({}, row, row);
    list_.rows.removeAt(row);
    endRemoveRows();
}

int DescriptionListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(list_.rows.size());
}

int DescriptionListModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(list_.heading.size());
}

QVariant DescriptionListModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid()) {
        return {};
    }
    const bool fixed = index.column() < list_.fixedColumns;
    switch (role) {
        case Qt::DisplayRole:
            return list_.rows.at(index.row()).value(index.column());
        case Qt::BackgroundRole:
            return fixed ? QBrush(QPalette().color(QPalette::Button)) : QBrush(Qt::white);
        case Qt::ForegroundRole:
            return QBrush(Qt::black);
        case Qt::TextAlignmentRole:
            return QVariant::fromValue(Qt::AlignLeft | Qt::AlignTop);
        default:
            return {};
    }
}

QVariant DescriptionListModel::headerData(int section, Qt::Orientation orientation,
                                          int role) const {
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole) {
        return list_.heading.value(section);
    }
    if (orientation == Qt::Horizontal && role == Qt::TextAlignmentRole) {
        return QVariant::fromValue(Qt::AlignLeft | Qt::AlignVCenter);
    }
    return QAbstractTableModel::headerData(section, orientation, role);
}

}  // namespace sorvik::ui
