#include "window_commands.h"

#include <algorithm>

#include <QMdiArea>
#include <QMdiSubWindow>

namespace sorvik::ui {

QList<QMdiSubWindow*> windowOrder(const QMdiArea& area) {
    // The toolkit lists the activation history oldest first.
    QList<QMdiSubWindow*> order = area.subWindowList(QMdiArea::ActivationHistoryOrder);
    std::reverse(order.begin(), order.end());
    return order;
}

QList<QPoint> tilePositions(const QList<QSize>& sizes, int frameWidth) {
    QList<QPoint> positions;
    int x = 0;
    int y = 0;
    for (qsizetype i = 0; i < sizes.size(); ++i) {
        if (i > 0 && x >= frameWidth - sizes[i].width()) {
            y += sizes[i - 1].height();
            x = 0;
        }
        positions.append(QPoint(x, y));
        x += sizes[i].width();
    }
    return positions;
}

void tileWindows(QMdiArea& area) {
    const QList<QMdiSubWindow*> order = windowOrder(area);
    // A minimised window has the size of its icon: restore first, then measure.
    for (QMdiSubWindow* window : order) {
        if (window->isMinimized() || window->isMaximized()) {
            window->showNormal();
        }
    }
    QList<QSize> sizes;
    for (const QMdiSubWindow* window : order) {
        sizes.append(window->size());
    }
    // The children live in the area, so its width is the frame they are tiled in.
    const QList<QPoint> positions = tilePositions(sizes, area.viewport()->width());
    for (qsizetype i = 0; i < order.size(); ++i) {
        order[i]->move(positions[i]);
    }
}

void closeAllWindows(QMdiArea& area) {
    const QList<QMdiSubWindow*> order = windowOrder(area);
    for (auto it = order.rbegin(); it != order.rend(); ++it) {
        (*it)->close();
    }
}

void minimiseAllWindows(QMdiArea& area) {
    for (QMdiSubWindow* window : area.subWindowList()) {
        window->showMinimized();
    }
}

}  // namespace sorvik::ui
