#include "name_list.h"

#include <algorithm>
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

void NameList::setCells(int row, int first, std::span<const QString> texts) {
    Row& target = rows_.at(row);
    std::copy(texts.begin(), texts.end(), target.begin() + first);
    emit rowChanged(row);
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

void NameList::moveRows(int first, int count, int before) {
    if (count <= 0 || first < 0 || first + count > rowCount() || before < 0 ||
        before > rowCount() || (before >= first && before <= first + count)) {
        return;
    }
    emit aboutToMove(first, first + count - 1, before);
    const auto begin = rows_.begin();
    if (before < first) {
        std::rotate(begin + before, begin + first, begin + first + count);
    } else {
        std::rotate(begin + first, begin + first + count, begin + before);
    }
    emit moved(first, first + count - 1, before);
}

void NameList::reorder(const std::vector<int>& order) {
    if (order.size() != rows_.size()) {
        return;
    }
    emit aboutToReorder();
    std::vector<Row> rows;
    rows.reserve(order.size());
    for (const int old : order) {
        rows.push_back(std::move(rows_.at(old)));
    }
    rows_ = std::move(rows);
    emit reordered();
}

}  // namespace sorvik::records
