#include "pattern_list.h"

#include <QPainter>

namespace sorvik::ui {

PatternList::PatternList(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("KakuSG"));
    setFixedSize(kColumns * kColumnWidth, kRows * kRowHeight);
}

void PatternList::setNames(const QStringList& names) {
    names_ = names;
    update();
}

void PatternList::setZoom(double zoom) {
    zoom_ = zoom;
    setFixedSize(qRound(kColumns * kColumnWidth * zoom_), qRound(kRows * kRowHeight * zoom_));
    update();
}

QString PatternList::cellText(int column, int row) const {
    const int index = row * kColumns + column;
    return index < names_.size() ? names_[index] : QString();
}

void PatternList::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), palette().color(QPalette::Button));
    painter.setPen(Qt::black);
    for (int row = 0; row < kRows; ++row) {
        for (int column = 0; column < kColumns; ++column) {
            // The font comes zoomed from the centre panel; only the cells are scaled here.
            const QRect cell(qRound(column * kColumnWidth * zoom_),
                             qRound(row * kRowHeight * zoom_), qRound(kColumnWidth * zoom_),
                             qRound(kRowHeight * zoom_));
            painter.drawText(cell.adjusted(1, 1, 0, 0), Qt::AlignLeft | Qt::AlignTop,
                             cellText(column, row));
        }
    }
}

}  // namespace sorvik::ui
