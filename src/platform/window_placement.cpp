#include "window_placement.h"

#include <algorithm>

#include <QApplication>
#include <QScreen>
#include <QWidget>

#include "key_store.h"

namespace sorvik::platform {

namespace {

// A title bar and borders of the usual window managers, for windows not framed yet.
constexpr QMargins kFrameGuess(8, 32, 8, 8);

QMargins marginsOf(const QWidget& window) {
    const QRect inner = window.geometry();
    const QRect outer = window.frameGeometry();
    return {inner.left() - outer.left(), inner.top() - outer.top(), outer.right() - inner.right(),
            outer.bottom() - inner.bottom()};
}

bool framed(const QWidget* window) {
    return window != nullptr && window->isWindow() && window->isVisible() &&
           !window->isMinimized() && !marginsOf(*window).isNull();
}

QRect availableArea(const QWidget* anchor) {
    const QScreen* screen = anchor != nullptr ? anchor->window()->screen() : nullptr;
    if (screen == nullptr) {
        screen = QGuiApplication::primaryScreen();
    }
    return screen != nullptr ? screen->availableGeometry() : QRect();
}

}  // namespace

void savePlacement(KeyStore& keys, const QString& key, const QString& valueName,
                   const QWidget& window) {
    keys.writeBinary(key, valueName, window.saveGeometry());
}

bool restorePlacement(const KeyStore& keys, const QString& key, const QString& valueName,
                      QWidget& window, bool keepState) {
    const QByteArray stored = keys.readBinary(key, valueName);
    if (stored.isEmpty()) {
        return false;
    }
    const Qt::WindowStates state = window.windowState();
    if (!window.restoreGeometry(stored)) {
        return false;
    }
    if (keepState) {
        window.setWindowState(state);
    }
    return true;
}

QRect fitInside(const QRect& frame, const QRect& area) {
    if (!area.isValid()) {
        return frame;
    }
    QRect fitted(frame.topLeft(), frame.size().boundedTo(area.size()));
    fitted.moveLeft(std::clamp(fitted.left(), area.left(), area.right() - fitted.width() + 1));
    fitted.moveTop(std::clamp(fitted.top(), area.top(), area.bottom() - fitted.height() + 1));
    return fitted;
}

QMargins frameMarginsOf(const QWidget& window, const QWidget* shown) {
    if (window.windowFlags().testFlag(Qt::FramelessWindowHint)) {
        return {};
    }
    if (framed(&window)) {
        return marginsOf(window);
    }
    if (shown != nullptr && framed(shown->window())) {
        return marginsOf(*shown->window());
    }
    for (const QWidget* other : QApplication::topLevelWidgets()) {
        if (other != &window && framed(other)) {
            return marginsOf(*other);
        }
    }
    return kFrameGuess;
}

void keepOnScreen(QWidget& window, const QWidget* anchor) {
    const QRect area = availableArea(anchor);
    const QMargins margins = frameMarginsOf(window, anchor);
    QRect frame(window.pos(), window.size().grownBy(margins));
    if (!window.testAttribute(Qt::WA_Moved)) {
        const QRect over = anchor != nullptr ? anchor->window()->frameGeometry() : area;
        frame.moveCenter(over.center());
    }
    const QRect fitted = fitInside(frame, area);
    if (fitted.size() != frame.size()) {
        window.resize(fitted.size().shrunkBy(margins));
    }
    if (fitted.topLeft() != window.pos() || !window.testAttribute(Qt::WA_Moved)) {
        window.move(fitted.topLeft());
    }
}

}  // namespace sorvik::platform
