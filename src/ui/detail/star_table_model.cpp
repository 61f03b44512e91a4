#include "star_table_model.h"

namespace sorvik::ui {

namespace {

const char* const kTitles[texts::kStarTableColumns] = {"",     "級",   "吉凶",     "輝度", "斗",
                                                       "五行", "力量", "星の性質", ""};

Qt::Alignment alignment(int column) {
    if (column >= texts::kGradeColumn && column <= texts::kElementColumn) {
        return Qt::AlignHCenter;
    }
    return column == texts::kPowerColumn ? Qt::AlignRight : Qt::AlignLeft;
}

}  // namespace

void StarTableModel::setRows(std::vector<texts::StarTableRow> rows) {
    beginResetModel();
    rows_ = std::move(rows);
    endResetModel();
}

int StarTableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

int StarTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : texts::kStarTableColumns;
}

QVariant StarTableModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid()) {
        return {};
    }
    if (role == Qt::DisplayRole) {
        return rows_.at(static_cast<std::size_t>(index.row()))
            .cells.at(static_cast<std::size_t>(index.column()));
    }
    if (role == Qt::TextAlignmentRole) {
        return static_cast<int>(alignment(index.column()));
    }
    return {};
}

QVariant StarTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 ||
        section >= texts::kStarTableColumns) {
        return {};
    }
    return QString::fromUtf8(kTitles[section]);
}

}  // namespace sorvik::ui
