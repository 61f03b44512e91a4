#include "detail_grid.h"

#include <QHeaderView>
#include <QPainter>
#include <QStyledItemDelegate>

namespace sorvik::ui {

namespace {

const QColor kTeal(0, 128, 128);
constexpr int kTextTop = 2;
constexpr int kTextLeft = 2;

// The text of a cell inside its rectangle, 2 pixels below the top.
void drawCellText(QPainter& painter, const QRect& cell, const QString& text,
                  Qt::Alignment horizontal) {
    const QRect box = cell.adjusted(kTextLeft, kTextTop, -kTextLeft, 0);
    painter.drawText(box, static_cast<int>(horizontal | Qt::AlignTop) | Qt::TextSingleLine, text);
}

class CellPainter : public QStyledItemDelegate {
  public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        painter->save();
        painter->fillRect(option.rect, Qt::white);
        painter->setPen(Qt::black);
        painter->setFont(option.font);
        const auto alignment = Qt::Alignment(index.data(Qt::TextAlignmentRole).toInt());
        drawCellText(*painter, option.rect, index.data().toString(),
                     alignment & Qt::AlignHorizontal_Mask);
        painter->restore();
    }
};

class TealHeader : public QHeaderView {
  public:
    explicit TealHeader(QWidget* parent) : QHeaderView(Qt::Horizontal, parent) {}

  protected:
    void paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const override {
        painter->save();
        painter->fillRect(rect, kTeal);
        painter->setPen(Qt::lightGray);
        painter->drawLine(rect.topRight(), rect.bottomRight());
        painter->drawLine(rect.bottomLeft(), rect.bottomRight());
        painter->setPen(Qt::white);
        drawCellText(*painter, rect, model()->headerData(logicalIndex, Qt::Horizontal).toString(),
                     Qt::AlignHCenter);
        painter->restore();
    }
};

}  // namespace

DetailGrid::DetailGrid(QWidget* parent) : QTableView(parent) {
    auto* header = new TealHeader(this);
    header->setSectionsClickable(false);
    header->setHighlightSections(false);
    header->setStretchLastSection(true);
    header->setMinimumSectionSize(0);
    header->setFixedHeight(kRowHeight + 1);
    setHorizontalHeader(header);
    verticalHeader()->hide();
    verticalHeader()->setMinimumSectionSize(0);
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(kRowHeight + 1);
    setItemDelegate(new CellPainter(this));
    setSelectionMode(QAbstractItemView::NoSelection);
    setFocusPolicy(Qt::NoFocus);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setWordWrap(false);
    setFrameShape(QFrame::NoFrame);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
}

}  // namespace sorvik::ui
