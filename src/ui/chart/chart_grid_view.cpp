#include "chart_grid_view.h"

#include <QMouseEvent>
#include <QPainter>

#include "output/vertical_text.h"
#include "platform/utf8_text.h"

namespace sorvik::ui {

namespace {

// The space kept free on either side of a power in its star column.
constexpr int kPowerGap = 2;

}  // namespace

ChartGridView::ChartGridView(const strength::ChartGrid& grid, std::vector<int> rowHeights,
                             QWidget* parent)
    : QWidget(parent), grid_(grid), rowHeights_(std::move(rowHeights)) {
    setObjectName(QStringLiteral("BSG"));
    int top = 1;
    for (const int height : rowHeights_) {
        rowTops_.push_back(top);
        top += height;
    }
    setFixedSize(contentSize());
    setAttribute(Qt::WA_OpaquePaintEvent);
}

int ChartGridView::columnWidth(int column) const {
    return column == grid_.markColumn() ? 0 : kColumnWidth;
}

void ChartGridView::setZoom(double zoom) {
    zoom_ = zoom;
    const QSize size = contentSize();
    setFixedSize(qRound(size.width() * zoom_), qRound(size.height() * zoom_));
    update();
}

QRect ChartGridView::layoutRect(int column, int row) const {
    return {columnLeft(column), rowTop(row), columnWidth(column), rowHeight(row)};
}

QRect ChartGridView::cellRect(int column, int row) const {
    const QRect cell = layoutRect(column, row);
    if (zoom_ == 1.0) {
        return cell;
    }
    const QPoint topLeft(qRound(cell.left() * zoom_), qRound(cell.top() * zoom_));
    const QPoint end(qRound((cell.left() + cell.width()) * zoom_),
                     qRound((cell.top() + cell.height()) * zoom_));
    return {topLeft, QSize(end.x() - topLeft.x(), end.y() - topLeft.y())};
}

QPoint ChartGridView::cellAt(const QPoint& point) const {
    const double x = point.x() / zoom_;
    const double y = point.y() / zoom_;
    const int column = static_cast<int>((x - 1) / kColumnWidth);
    if (x < 1 || column >= grid_.markColumn()) {
        return {-1, -1};
    }
    for (int row = 0; row < grid_.rowCount(); ++row) {
        if (y >= rowTop(row) && y < rowTop(row) + rowHeight(row)) {
            return {column, row};
        }
    }
    return {-1, -1};
}

QSize ChartGridView::contentSize() const {
    int height = 2;
    for (const int h : rowHeights_) {
        height += h;
    }
    return {kColumnWidth * (grid_.columnCount() - 1) + 2, height};
}

void ChartGridView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    if (zoom_ != 1.0) {
        painter.scale(zoom_, zoom_);
    }
    painter.setFont(font());
    for (int row = 0; row < grid_.rowCount(); ++row) {
        for (int column = 0; column < grid_.markColumn(); ++column) {
            const QRect cell = layoutRect(column, row);
            const engine::Branch palace = strength::PalaceAtCell(grid_.rects(), column, row);
            painter.fillRect(cell, background_ ? background_(palace) : QColor(Qt::white));
            if (grid_.isStarRow(row)) {
                drawStarCell(painter, cell, column, row);
            }
        }
        if (!grid_.isStarRow(row)) {
            drawInfoRow(painter, row);
        }
    }
    for (int row = 0; row < grid_.rowCount(); ++row) {
        for (int column = 0; column < grid_.markColumn(); ++column) {
            drawSeparators(painter, column, row, layoutRect(column, row));
        }
    }
    painter.setPen(Qt::black);
    const QSize size = contentSize();
    painter.drawRect(0, 0, size.width() - 1, size.height() - 1);
}

void ChartGridView::drawStarCell(QPainter& painter, const QRect& rect, int column, int row) const {
    const std::string& text = grid_.text(column, row);
    if (text.empty()) {
        return;
    }
    const int star = grid_.cellStar(column, row);
    painter.setPen(star != 0 && starColour_ ? starColour_(star) : QColor(Qt::black));
    output::drawVerticalText(painter, rect, qs(text), kPowerGap);
}

// A text runs on over the empty cells to its right and stops at the next cell with text.
void ChartGridView::drawInfoRow(QPainter& painter, int row) const {
    painter.setPen(Qt::black);
    const int last = grid_.markColumn();
    for (int column = 0; column < last; ++column) {
        const std::string& text = grid_.text(column, row);
        if (text.empty()) {
            continue;
        }
        int end = column + 1;
        while (end < last && grid_.text(end, row).empty()) {
            ++end;
        }
        const QRect first = layoutRect(column, row);
        const QRect clip(first.left(), first.top(), columnLeft(end) - first.left(), first.height());
        painter.save();
        painter.setClipRect(clip);
        painter.drawText(QRect(first.left() + 2, first.top() + 1, 10000, first.height()),
                         Qt::AlignLeft | Qt::AlignTop | Qt::TextDontClip, qs(text));
        painter.restore();
        column = end - 1;
    }
}

void ChartGridView::drawSeparators(QPainter& painter, int column, int row,
                                   const QRect& rect) const {
    const strength::GridShape& shape = grid_.shape();
    painter.setPen(Qt::black);
    if ((column + 1) % shape.columns == 0 && column + 1 < grid_.markColumn()) {
        painter.drawLine(rect.right(), rect.top(), rect.right(), rect.bottom());
    }
    const int inBlock = row % shape.blockRows();
    const bool blockEnd = inBlock == shape.blockRows() - 1;
    const bool starEnd = inBlock == shape.starRows - 1;
    if ((blockEnd || starEnd) && row + 1 < grid_.rowCount()) {
        painter.drawLine(rect.left(), rect.bottom(), rect.right(), rect.bottom());
    }
}

void ChartGridView::mousePressEvent(QMouseEvent* event) {
    const QPoint cell = cellAt(event->position().toPoint());
    if (cell.x() >= 0) {
        emit cellPressed(cell.x(), cell.y(), event->button());
    }
}

}  // namespace sorvik::ui
