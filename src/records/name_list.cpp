#include "name_list.h"

#include <utility>

namespace sorvik::records {

NameList::NameList(QObject* parent) : QObject(parent), rows_(1) {}

void NameList::setCell(int row, int column, const QString& text) {
    QString& cell = rows_.at(row).at(column);
    if (cell != text) {
        cell = text;
        emit rowChanged(row);
    }
}

void NameList::clear() {
    reset({});
}

void NameList::reset(std::vector<Row> rows) {
    emit aboutToReset();
    rows_ = std::move(rows);
    if (rows_.empty()) {
        rows_.emplace_back();
    }
    emit wasReset();
}

int NameList::append(const Row& row) {
    const int index = rowCount();
    emit aboutToAppend(index);
    rows_.push_back(row);
    emit appended(index);
    return index;
}

void NameList::removeRows(int first, int count) {
    if (count <= 0 || first < 0 || first + count > rowCount()) {
        return;
    }
    if (count == rowCount()) {
        clear();
        return;
    }
    emit aboutToRemove(first, first + count - 1);
    rows_.erase(rows_.begin() + first, rows_.begin() + first + count);
    emit removed(first, first + count - 1);
}

}  // namespace sorvik::records
