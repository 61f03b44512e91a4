#include "luck_table_view.h"

#include <QHeaderView>
#include <QPainter>
#include <QScrollBar>
#include <QStyledItemDelegate>

namespace sorvik::ui {

namespace {

constexpr Qt::Alignment kTextAlignment = Qt::AlignHCenter | Qt::AlignTop;

// Paints a cell's text centred, kTextTop pixels below the top; spaces that pad a value stay.
class LuckCellDelegate : public QStyledItemDelegate {
  public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        QStyleOptionViewItem cell = option;
        initStyleOption(&cell, index);
        const QString text = cell.text;
        cell.text.clear();
        const QWidget* view = cell.widget;
        view->style()->drawControl(QStyle::CE_ItemViewItem, &cell, painter, view);
        painter->save();
        painter->setFont(cell.font);
        const bool selected = cell.state.testFlag(QStyle::State_Selected);
        painter->setPen(cell.palette.color(selected ? QPalette::HighlightedText : QPalette::Text));
        painter->drawText(cell.rect.adjusted(0, LuckTableView::kTextTop, 0, 0), kTextAlignment,
                          text);
        painter->restore();
    }
};

}  // namespace

LuckTableModel::LuckTableModel(const strength::LuckTable& table, QObject* parent)
    : QAbstractTableModel(parent), table_(table) {}

int LuckTableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : strength::kLuckRows - 1;
}

int LuckTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : strength::kLuckColumns - 1;
}

QVariant LuckTableModel::data(const QModelIndex& index, int role) const {
    if (role != Qt::DisplayRole || !index.isValid()) {
        return {};
    }
    return QString::fromStdString(table_[index.row() + 1][index.column() + 1]);
}

QVariant LuckTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role == Qt::TextAlignmentRole) {
        return QVariant::fromValue(kTextAlignment);
    }
    if (role != Qt::DisplayRole) {
        return {};
    }
    const std::string& text =
        orientation == Qt::Horizontal ? table_[0][section + 1] : table_[section + 1][0];
    return QString::fromStdString(text);
}

LuckTableView::LuckTableView(const strength::LuckTable& table, const QFont& font, QWidget* parent)
    : QTableView(parent) {
    setObjectName(QStringLiteral("SG"));
    setFont(font);
    setModel(new LuckTableModel(table, this));
    setItemDelegate(new LuckCellDelegate(this));
    const int rowHeight = QFontMetrics(font).height() + 2 * kTextTop + 2;
    QHeaderView* ages = horizontalHeader();
    QHeaderView* captions = verticalHeader();
    for (QHeaderView* header : {ages, captions}) {
        header->setFont(font);
        header->setSectionResizeMode(QHeaderView::Fixed);
        header->setHighlightSections(false);
    }
    ages->setMinimumSectionSize(kColumnWidth);
    ages->setDefaultSectionSize(kColumnWidth);
    ages->setFixedHeight(rowHeight);
    captions->setMinimumSectionSize(rowHeight);
    captions->setDefaultSectionSize(rowHeight);
    captions->setFixedWidth(kColumnWidth);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setFixedHeight(rowHeight * strength::kLuckRows + horizontalScrollBar()->sizeHint().height() +
                   2 * frameWidth());
}

}  // namespace sorvik::ui
