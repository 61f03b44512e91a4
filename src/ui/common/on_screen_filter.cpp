#include "on_screen_filter.h"

#include <QApplication>
#include <QEvent>
#include <QWidget>

#include "platform/window_placement.h"

namespace sorvik::ui {

namespace {

bool placedByUs(const QWidget& window) {
    switch (window.windowType()) {
        case Qt::Window:
        case Qt::Dialog:
        case Qt::Sheet:
        case Qt::Tool:
            break;
        default:
            return false;
    }
    return !window.testAttribute(Qt::WA_DontShowOnScreen) &&
           !window.windowFlags().testFlag(Qt::X11BypassWindowManagerHint) &&
           (window.windowState() &
            (Qt::WindowMaximized | Qt::WindowFullScreen | Qt::WindowMinimized)) == 0;
}

}  // namespace

bool OnScreenFilter::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Show && watched->isWidgetType()) {
        auto* window = static_cast<QWidget*>(watched);
        if (window->isWindow() && placedByUs(*window)) {
            const QWidget* anchor = window->parentWidget();
            if (anchor == nullptr && QApplication::activeWindow() != window) {
                anchor = QApplication::activeWindow();
            }
            // A floating toolbar may be the active window; the window it belongs to is meant.
            while (anchor != nullptr && anchor->windowType() == Qt::Tool &&
                   anchor->parentWidget() != nullptr) {
                anchor = anchor->parentWidget()->window();
            }
            platform::keepOnScreen(*window, anchor);
        }
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace sorvik::ui
