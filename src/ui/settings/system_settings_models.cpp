#include "system_settings_models.h"

#include <QApplication>
#include <QColor>
#include <QPainter>

namespace sorvik::ui {

using settings::kStarDisplayColumns;
using settings::kStarDisplayRows;

StarDisplayModel::StarDisplayModel(settings::SystemSettings& store, QObject* parent)
    : QAbstractTableModel(parent), store_(store) {}

int StarDisplayModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : kStarDisplayRows - 1;
}

int StarDisplayModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : kStarDisplayColumns;
}

QVariant StarDisplayModel::data(const QModelIndex& index, int role) const {
    const int star = index.row() + 1;
    switch (role) {
        case Qt::DisplayRole:
            return store_.SG1(star, index.column());
        case Qt::ForegroundRole:
            if (index.column() == settings::kStarNameColumn) {
                return QColor(store_.starColour(star).value_or(QColor(Qt::black)));
            }
            return QColor(Qt::black);
        case Qt::TextAlignmentRole:
            return QVariant::fromValue(Qt::AlignHCenter | Qt::AlignTop);
        case Qt::DecorationRole:
            if (index.column() == settings::kColourShownColumn) {
                return QColor(store_.starColour(star).value_or(QColor(Qt::black)));
            }
            return {};
        case Qt::ToolTipRole:
            if (index.column() == settings::kColourShownColumn) {
                return store_.SG1(star, index.column());
            }
            return {};
        default:
            return {};
    }
}

void ColourSwatchDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                                 const QModelIndex& index) const {
    QStyleOptionViewItem cell = option;
    initStyleOption(&cell, index);
    cell.text.clear();
    cell.icon = QIcon();
    cell.features &= ~(QStyleOptionViewItem::HasDisplay | QStyleOptionViewItem::HasDecoration);
    const QWidget* view = cell.widget;
    QStyle* style = view != nullptr ? view->style() : QApplication::style();
    style->drawControl(QStyle::CE_ItemViewItem, &cell, painter, view);
    const QRect swatch = option.rect.adjusted(6, 4, -6, -4);
    painter->save();
    painter->setPen(Qt::gray);
    painter->setBrush(index.data(Qt::DecorationRole).value<QColor>());
    painter->drawRect(swatch.adjusted(0, 0, -1, -1));
    painter->restore();
}

QVariant StarDisplayModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole) {
        return store_.SG1(0, section);
    }
    return {};
}

Qt::ItemFlags StarDisplayModel::flags(const QModelIndex& index) const {
    return index.isValid() ? Qt::ItemIsEnabled | Qt::ItemIsSelectable : Qt::NoItemFlags;
}

void StarDisplayModel::toggle(const QModelIndex& index) {
    if (index.column() < settings::kShowInChartColumn) {
        return;
    }
    const int star = index.row() + 1;
    const auto view = static_cast<settings::StarView>(index.column());
    store_.setShowsStar(star, view, !store_.showsStar(star, view));
    emit dataChanged(index, index);
}

void StarDisplayModel::setColour(int row, std::uint32_t value) {
    store_.setStarColour(row + 1, value);
    emit dataChanged(this->index(row, 0), this->index(row, settings::kColourColumn));
}

void StarDisplayModel::reload() {
    beginResetModel();
    endResetModel();
}

InfoRowModel::InfoRowModel(settings::SystemSettings& store, QObject* parent)
    : QAbstractTableModel(parent), store_(store) {}

int InfoRowModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : settings::kInfoTableRows - 1;
}

int InfoRowModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : settings::kInfoTableColumns - 1;
}

QVariant InfoRowModel::data(const QModelIndex& index, int role) const {
    if (role == Qt::DisplayRole || role == Qt::EditRole) {
        return store_.KCSG(index.row() + 1, index.column() + 1);
    }
    if (role == Qt::TextAlignmentRole) {
        return QVariant::fromValue(Qt::AlignCenter);
    }
    return {};
}

bool InfoRowModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (role != Qt::EditRole || !index.isValid()) {
        return false;
    }
    store_.setKCSG(index.row() + 1, index.column() + 1, value.toString());
    emit dataChanged(index, index);
    return true;
}

QVariant InfoRowModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole) {
        return {};
    }
    return orientation == Qt::Horizontal ? store_.KCSG(0, section + 1)
                                         : store_.KCSG(section + 1, 0);
}

Qt::ItemFlags InfoRowModel::flags(const QModelIndex& index) const {
    return index.isValid() ? Qt::ItemIsEnabled | Qt::ItemIsSelectable : Qt::NoItemFlags;
}

void InfoRowModel::reload() {
    beginResetModel();
    endResetModel();
}

}  // namespace sorvik::ui
