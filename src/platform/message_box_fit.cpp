#include "message_box_fit.h"

#include <algorithm>

#include <QApplication>
#include <QFontMetrics>
#include <QLabel>
#include <QMessageBox>
#include <QScreen>
#include <QStringList>

namespace sorvik::platform {

namespace {

// Room beside the label: the icon and the margins of the box.
constexpr int kBesideLabel = 90;
// Room beside the title: the window manager's icon and buttons.
constexpr int kBesideTitle = 150;

bool breaksAfter(QChar c) {
    return QStringView(u"、。，．！？」』）】").contains(c);
}

// Folds one line after its punctuation so that no part is wider than limit where that can be.
QStringList fold(const QString& line, const QFontMetrics& metrics, int limit) {
    QStringList parts;
    QString current;
    QString piece;
    const auto place = [&] {
        if (!current.isEmpty() && metrics.horizontalAdvance(current + piece) > limit) {
            parts << current;
            current.clear();
        }
        current += piece;
        piece.clear();
    };
    for (const QChar c : line) {
        piece += c;
        if (breaksAfter(c)) {
            place();
        }
    }
    place();
    parts << current;
    return parts;
}

// The widest a box may become before it folds its text anywhere.
int widestBox(const QMessageBox& box) {
    const QScreen* screen = box.screen() ? box.screen() : QApplication::primaryScreen();
    const int width = screen ? screen->availableGeometry().width() : 1024;
    return width <= 1024 ? width : std::min(width - 480, 1000);
}

}  // namespace

void fitMessageBox(QMessageBox& box) {
    auto* label = box.findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
    if (label == nullptr) {
        return;
    }
    const QFontMetrics metrics(label->font());
    const int limit = widestBox(box) - kBesideLabel;
    QStringList lines = box.text().split(u'\n');
    bool folded = false;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        if (metrics.horizontalAdvance(lines[i]) > limit) {
            const QStringList parts = fold(lines[i], metrics, limit);
            lines.replace(i, parts.front());
            for (qsizetype k = 1; k < parts.size(); ++k) {
                lines.insert(i + k, parts[k]);
            }
            i += parts.size() - 1;
            folded = true;
        }
    }
    if (folded) {
        box.setText(lines.join(u'\n'));
    }
    int widest = 0;
    for (const QString& line : lines) {
        widest = std::max(widest, metrics.horizontalAdvance(line));
    }
    QFont titleFont = box.font();
    titleFont.setBold(true);
    const int title = QFontMetrics(titleFont).horizontalAdvance(box.windowTitle()) + kBesideTitle;
    label->setMinimumWidth(std::min(limit, std::max(widest + 2, title - kBesideLabel)));
}

}  // namespace sorvik::platform
