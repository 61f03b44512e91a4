#include "name_list_model.h"

namespace sorvik::ui {

using records::NameList;

NameListModel::NameListModel(NameList& list, const records::Headers& headers, QObject* parent)
    : QAbstractTableModel(parent), list_(list), headers_(headers) {
    connect(&list_, &NameList::aboutToReset, this, &NameListModel::beginResetModel);
    connect(&list_, &NameList::wasReset, this, &NameListModel::endResetModel);
    connect(&list_, &NameList::aboutToAppend, this,
            [this](int index) { beginInsertRows({}, index, index); });
    connect(&list_, &NameList::appended, this, &NameListModel::endInsertRows);
    connect(&list_, &NameList::aboutToRemove, this,
            [this](int first, int last) { beginRemoveRows({}, first, last); });
    connect(&list_, &NameList::removed, this, &NameListModel::endRemoveRows);
    connect(&list_, &NameList::aboutToMove, this, [this](int first, int last, int before) {
        beginMoveRows({}, first, last, {}, before);
    });
    connect(&list_, &NameList::moved, this, &NameListModel::endMoveRows);
    connect(&list_, &NameList::aboutToReorder, this, [this] { emit layoutAboutToBeChanged(); });
    connect(&list_, &NameList::reordered, this, [this] { emit layoutChanged(); });
    connect(&list_, &NameList::rowChanged, this, [this](int row) {
        emit dataChanged(index(row, 0), index(row, NameList::kColumns - 1), {Qt::DisplayRole});
    });
}

int NameListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : list_.rowCount();
}

int NameListModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : NameList::kColumns;
}

QVariant NameListModel::data(const QModelIndex& index, int role) const {
    if (role != Qt::DisplayRole || !index.isValid()) {
        return {};
    }
    return list_.cell(index.row(), index.column());
}

QVariant NameListModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole || orientation != Qt::Horizontal || section < 0 ||
        section >= NameList::kColumns) {
        return {};
    }
    return headers_[section];
}

Qt::ItemFlags NameListModel::flags(const QModelIndex&) const {
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable;
}

}  // namespace sorvik::ui
