#include "chart_grid_view.h"

#include <QMouseEvent>
#include <QPainter>

namespace sorvik::ui {

namespace {

QString qs(const std::string& text) {
    return QString::fromStdString(text);
}

bool isHalfWidth(QChar c) {
    return c.unicode() < 0x80 || (c.unicode() >= 0xFF61 && c.unicode() <= 0xFF9F);
}

}  // namespace

QStringList verticalLines(const QString& text, const QFontMetrics& metrics, int width) {
    QStringList lines;
    QString run;
    const auto flushRun = [&] {
        // A break at blanks drops them, as word wrapping does.
        const QString trimmed = run.trimmed();
        QString line;
        for (const QChar c : trimmed) {
            if (!line.isEmpty() && metrics.horizontalAdvance(line + c) > width) {
                lines << line;
                line.clear();
            }
            line += c;
        }
        if (!line.isEmpty()) {
            lines << line;
        }
        run.clear();
    };
    for (const QChar c : text) {
        if (isHalfWidth(c)) {
            run += c;
        } else {
            flushRun();
            lines << QString(c);
        }
    }
    flushRun();
    return lines;
}

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

QRect ChartGridView::cellRect(int column, int row) const {
    return {columnLeft(column), rowTop(row), columnWidth(column), rowHeight(row)};
}

QPoint ChartGridView::cellAt(const QPoint& point) const {
    const int column = (point.x() - 1) / kColumnWidth;
    if (point.x() < 1 || column >= grid_.markColumn()) {
        return {-1, -1};
    }
    for (int row = 0; row < grid_.rowCount(); ++row) {
        if (point.y() >= rowTop(row) && point.y() < rowTop(row) + rowHeight(row)) {
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
    painter.setFont(font());
    for (int row = 0; row < grid_.rowCount(); ++row) {
        for (int column = 0; column < grid_.markColumn(); ++column) {
            const QRect cell = cellRect(column, row);
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
            drawSeparators(painter, column, row, cellRect(column, row));
        }
    }
    painter.setPen(Qt::black);
    painter.drawRect(0, 0, width() - 1, height() - 1);
}

void ChartGridView::drawStarCell(QPainter& painter, const QRect& rect, int column, int row) const {
    const std::string& text = grid_.text(column, row);
    if (text.empty()) {
        return;
    }
    const int star = grid_.cellStar(column, row);
    painter.setPen(star != 0 && starColour_ ? starColour_(star) : QColor(Qt::black));
    const QFontMetrics metrics = painter.fontMetrics();
    painter.save();
    painter.setClipRect(rect);
    int y = rect.top();
    for (const QString& line : verticalLines(qs(text), metrics, rect.width())) {
        painter.drawText(QRect(rect.left(), y, rect.width(), metrics.height()),
                         Qt::AlignHCenter | Qt::AlignTop, line);
        y += metrics.height();
    }
    painter.restore();
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
        const QRect first = cellRect(column, row);
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
