#include "vertical_text.h"

#include <QFontMetrics>
#include <QPainter>

namespace sorvik::output {

namespace {

bool isHalfWidth(QChar c) {
    return c.unicode() < 0x80 || (c.unicode() >= 0xFF61 && c.unicode() <= 0xFF9F);
}

}  // namespace

QStringList verticalLines(const QString& text, const QFontMetrics& metrics, int width) {
    QStringList lines;
    QString run;
    const auto flushRun = [&] {
        // Word wrapping: a break only at blanks, which it drops; a word is never split, so a
        // power such as "10" stays on its line and is drawn narrower when it must.
        QString line;
        for (const QString& word : run.split(u' ', Qt::SkipEmptyParts)) {
            if (!line.isEmpty() && metrics.horizontalAdvance(line + u' ' + word) > width) {
                lines << line;
                line.clear();
            }
            line += (line.isEmpty() ? QString() : QStringLiteral(" ")) + word;
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

void drawVerticalText(QPainter& painter, const QRect& rect, const QString& text, int gap) {
    const QFontMetrics metrics = painter.fontMetrics();
    painter.save();
    painter.setClipRect(rect);
    int y = rect.top();
    const int room = rect.width() - 2 * gap;
    for (const QString& line : verticalLines(text, metrics, rect.width())) {
        const int advance = metrics.horizontalAdvance(line);
        if (line.size() > 1 && advance > room) {
            painter.save();
            painter.translate(rect.left() + gap, y);
            painter.scale(static_cast<double>(room) / advance, 1.0);
            painter.drawText(QRect(0, 0, advance, metrics.height()),
                             Qt::AlignHCenter | Qt::AlignTop, line);
            painter.restore();
        } else {
            painter.drawText(QRect(rect.left(), y, rect.width(), metrics.height()),
                             Qt::AlignHCenter | Qt::AlignTop, line);
        }
        y += metrics.height();
    }
    painter.restore();
}

}  // namespace sorvik::output
