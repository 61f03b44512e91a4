#include "toolbar_frame.h"

#include <array>

#include <QCloseEvent>
#include <QMainWindow>
#include <QMouseEvent>
#include <QToolBar>
#include <QVBoxLayout>

#include "platform/window_placement.h"

namespace sorvik::ui {

namespace {

// How near an edge of the charts' area the pointer must be let go for the bar to dock there.
constexpr int kDockReach = 40;

Qt::WindowFlags frameFlags(const QToolBar& bar) {
    Qt::WindowFlags flags = Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint;
    if (closableWhenFloating(bar)) {
        flags |= Qt::WindowCloseButtonHint;
    }
    return flags;
}

}  // namespace

ToolbarFrame::ToolbarFrame(QMainWindow& window, QToolBar& bar, Qt::ToolBarArea lastArea)
    : QWidget(&window, frameFlags(bar)), window_(window), bar_(bar), lastArea_(lastArea) {
    setObjectName(bar.objectName() + QStringLiteral("Frame"));
    setWindowTitle(bar.windowTitle());
    setAttribute(Qt::WA_QuitOnClose, false);
    const bool shown = !bar.isHidden();
    window.removeToolBar(&bar);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->addWidget(&bar);
    bar.setOrientation(Qt::Horizontal);
    bar.setVisible(shown);
    window.installEventFilter(this);
}

// Windows of their own are not shown with their parent: the frame follows the main window.
bool ToolbarFrame::eventFilter(QObject* watched, QEvent* event) {
    if (watched == &window_ && event->type() == QEvent::Show && !bar_.isHidden()) {
        show();
    }
    return QWidget::eventFilter(watched, event);
}

void ToolbarFrame::closeEvent(QCloseEvent* event) {
    bar_.hide();
    QWidget::closeEvent(event);
}

void ToolbarFrame::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        QWidget::mousePressEvent(event);
        return;
    }
    dragging_ = true;
    grab_ = event->globalPosition().toPoint() - pos();
}

void ToolbarFrame::mouseMoveEvent(QMouseEvent* event) {
    if (dragging_) {
        move(event->globalPosition().toPoint() - grab_);
    }
}

void ToolbarFrame::mouseReleaseEvent(QMouseEvent* event) {
    if (!dragging_ || event->button() != Qt::LeftButton) {
        return;
    }
    dragging_ = false;
    const Qt::ToolBarArea area = dockUnder(event->globalPosition().toPoint());
    if (area != Qt::NoToolBarArea) {
        emit dockRequested(area);
    }
}

void ToolbarFrame::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        dragging_ = false;
        emit dockRequested(lastArea_);
    }
}

Qt::ToolBarArea ToolbarFrame::dockUnder(QPoint global) const {
    const QWidget* centre = window_.centralWidget();
    if (centre == nullptr || !window_.frameGeometry().contains(global)) {
        return Qt::NoToolBarArea;
    }
    const QRect inner(centre->mapToGlobal(QPoint(0, 0)), centre->size());
    // The docks lie between the window's edges and the charts' area: outside it counts as near.
    const std::array<std::pair<Qt::ToolBarArea, int>, 4> edges = {{
        {Qt::TopToolBarArea, global.y() - inner.top()},
        {Qt::BottomToolBarArea, inner.bottom() - global.y()},
        {Qt::LeftToolBarArea, global.x() - inner.left()},
        {Qt::RightToolBarArea, inner.right() - global.x()},
    }};
    Qt::ToolBarArea nearest = Qt::NoToolBarArea;
    int distance = kDockReach;
    for (const auto& [area, away] : edges) {
        if (away < distance && bar_.isAreaAllowed(area)) {
            nearest = area;
            distance = away;
        }
    }
    return nearest;
}

ToolbarFrame* frameOf(const QToolBar& bar) {
    return qobject_cast<ToolbarFrame*>(bar.parentWidget());
}

bool closableWhenFloating(const QToolBar& bar) {
    const QString name = bar.objectName();
    return name != QStringLiteral("EntBar") && name != QStringLiteral("Netbar");
}

void floatToolbar(QMainWindow& window, QToolBar& bar, QPoint place) {
    ToolbarFrame* frame = frameOf(bar);
    if (frame == nullptr) {
        frame = new ToolbarFrame(window, bar, window.toolBarArea(&bar));
        // Queued: the frame goes away once the mouse has let go of it.
        QObject::connect(
            frame, &ToolbarFrame::dockRequested, &window,
            [&window, &bar](Qt::ToolBarArea area) { dockToolbar(window, bar, area); },
            Qt::QueuedConnection);
    }
    frame->move(place);
    if (!bar.isHidden() && window.isVisible()) {
        frame->show();
    }
}

void dockToolbar(QMainWindow& window, QToolBar& bar, Qt::ToolBarArea area) {
    ToolbarFrame* frame = frameOf(bar);
    if (frame == nullptr) {
        return;
    }
    if (area == Qt::NoToolBarArea || !bar.isAreaAllowed(area)) {
        area = bar.isAreaAllowed(frame->lastArea()) ? frame->lastArea() : Qt::TopToolBarArea;
    }
    const bool shown = !bar.isHidden();
    frame->hide();
    window.addToolBar(area, &bar);
    bar.setVisible(shown);
    frame->deleteLater();
}

void showToolbarWherever(QToolBar& bar, bool shown) {
    bar.setVisible(shown);
    if (ToolbarFrame* frame = frameOf(bar)) {
        frame->setVisible(shown && frame->parentWidget()->isVisible());
    }
}

void floatWhenUndocked(QMainWindow& window, QToolBar& bar) {
    // Queued: the toolkit is still letting go of the bar when it tells.
    QObject::connect(
        &bar, &QToolBar::topLevelChanged, &window,
        [&window, &bar](bool floating) {
            if (!floating || !bar.isFloating()) {
                return;
            }
            // The bar stays where it was let go; its frame's caption goes above it.
            const QMargins margins = platform::frameMarginsOf(window, &window);
            floatToolbar(window, bar, bar.pos() - QPoint(margins.left(), margins.top()));
        },
        Qt::QueuedConnection);
}

}  // namespace sorvik::ui
