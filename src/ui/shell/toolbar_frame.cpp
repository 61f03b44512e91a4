#include "toolbar_frame.h"

#include <array>

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QMainWindow>
#include <QMouseEvent>
#include <QStyle>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

namespace sorvik::ui {

namespace {

// How near an edge of the charts' area the pointer must be let go for the bar to dock there.
constexpr int kDockReach = 40;

// The caption strip: the toolbar's caption and, where it may be closed, a close button. Drawn
// by the frame itself, since window managers decide on their own which buttons a title bar of
// theirs gets.
QWidget* captionFor(QToolBar& bar, QWidget* frame) {
    auto* strip = new QWidget(frame);
    strip->setObjectName(QStringLiteral("Caption"));
    strip->setAttribute(Qt::WA_StyledBackground);
    strip->setStyleSheet(
        QStringLiteral("#Caption { background: #0a246a; } #Caption QLabel { color: white; }"));
    auto* row = new QHBoxLayout(strip);
    row->setContentsMargins(3, 1, 1, 1);
    row->setSpacing(2);
    auto* title = new QLabel(bar.windowTitle(), strip);
    QFont font = title->font();
    font.setBold(true);
    title->setFont(font);
    row->addWidget(title, 1);
    if (closableWhenFloating(bar)) {
        auto* close = new QToolButton(strip);
        close->setObjectName(QStringLiteral("CloseButton"));
        close->setIcon(strip->style()->standardIcon(QStyle::SP_TitleBarCloseButton));
        close->setIconSize(QSize(10, 10));
        close->setAutoRaise(true);
        close->setFocusPolicy(Qt::NoFocus);
        close->setStyleSheet(QStringLiteral("QToolButton { background: #d4d0c8; }"));
        QObject::connect(close, &QToolButton::clicked, frame, &QWidget::close);
        row->addWidget(close);
    }
    return strip;
}

ToolbarFrame* frameFor(QMainWindow& window, QToolBar& bar) {
    ToolbarFrame* frame = frameOf(bar);
    if (frame == nullptr) {
        frame = new ToolbarFrame(window, bar, window.toolBarArea(&bar));
        // Queued: the frame goes away once the mouse has let go of it.
        QObject::connect(
            frame, &ToolbarFrame::dockRequested, &window,
            [&window, &bar](Qt::ToolBarArea area) { dockToolbar(window, bar, area); },
            Qt::QueuedConnection);
    }
    return frame;
}

// The toolkit floats a bar as soon as a drag takes it off its dock and keeps dragging it
// until the button goes up: only then, if it still floats, it goes into a frame of its own.
class UndockWatcher : public QObject {
  public:
    UndockWatcher(QMainWindow& window, QToolBar& bar) : QObject(&bar), window_(window), bar_(bar) {}

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == &bar_ && event->type() == QEvent::MouseButtonRelease) {
            QMetaObject::invokeMethod(this, &UndockWatcher::takeIntoFrame, Qt::QueuedConnection);
        }
        return QObject::eventFilter(watched, event);
    }

  private:
    void takeIntoFrame() {
        if (!bar_.isFloating()) {
            return;
        }
        // The bar stays where it was let go; its frame's caption goes above it.
        const QPoint at = bar_.pos();
        ToolbarFrame* frame = frameFor(window_, bar_);
        frame->layout()->activate();
        frame->move(at - bar_.mapTo(frame, QPoint(0, 0)));
        frame->show();
    }

    QMainWindow& window_;
    QToolBar& bar_;
};

}  // namespace

ToolbarFrame::ToolbarFrame(QMainWindow& window, QToolBar& bar, Qt::ToolBarArea lastArea)
    : QFrame(&window, Qt::Tool | Qt::FramelessWindowHint),
      window_(window),
      bar_(bar),
      lastArea_(lastArea) {
    setObjectName(bar.objectName() + QStringLiteral("Frame"));
    setWindowTitle(bar.windowTitle());
    setAttribute(Qt::WA_QuitOnClose, false);
    setFrameStyle(QFrame::Panel | QFrame::Raised);
    setLineWidth(2);
    const bool shown = !bar.isHidden();
    window.removeToolBar(&bar);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->setSpacing(0);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->addWidget(captionFor(bar, this));
    layout->addWidget(&bar);
    bar.setOrientation(Qt::Horizontal);
    bar.setVisible(shown);
    window.installEventFilter(this);
}

// Windows of their own are not shown with their parent: the frame follows the main window,
// once that is on the screen, so that the window manager stacks the frame above it.
bool ToolbarFrame::eventFilter(QObject* watched, QEvent* event) {
    if (watched == &window_ && event->type() == QEvent::Show && !bar_.isHidden()) {
        QMetaObject::invokeMethod(this, &QWidget::show, Qt::QueuedConnection);
    }
    return QFrame::eventFilter(watched, event);
}

void ToolbarFrame::closeEvent(QCloseEvent* event) {
    bar_.hide();
    QFrame::closeEvent(event);
}

void ToolbarFrame::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        QFrame::mousePressEvent(event);
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
    ToolbarFrame* frame = frameFor(window, bar);
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
    bar.installEventFilter(new UndockWatcher(window, bar));
}

}  // namespace sorvik::ui
