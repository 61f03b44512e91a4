#pragma once

#include <QFrame>
#include <QPoint>

class QMainWindow;
class QToolBar;

namespace sorvik::ui {

// A toolbar off its dock: a small tool window of its own, captioned with the toolbar's caption
// and, where the toolbar may be closed, with a close button that hides the toolbar. Dragging
// the caption or an empty part of the bar moves the window, and letting go over an edge of the
// main window docks it there; a double click docks it where it last sat.
class ToolbarFrame : public QFrame {
    Q_OBJECT
  public:
    // Takes the bar out of the main window; `lastArea` is the dock it sat in.
    ToolbarFrame(QMainWindow& window, QToolBar& bar, Qt::ToolBarArea lastArea);
    QToolBar& bar() const { return bar_; }
    Qt::ToolBarArea lastArea() const { return lastArea_; }

  signals:
    // The user let the bar go over a dock (or double-clicked it: its last dock).
    void dockRequested(Qt::ToolBarArea area);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

  private:
    Qt::ToolBarArea dockUnder(QPoint global) const;

    QMainWindow& window_;
    QToolBar& bar_;
    Qt::ToolBarArea lastArea_;
    QPoint grab_;  // where the press was, from the frame's corner; null while not dragging
    bool dragging_ = false;
};

// Whether the toolbar sits in a frame of its own.
ToolbarFrame* frameOf(const QToolBar& bar);
bool closableWhenFloating(const QToolBar& bar);

// Takes a toolbar off its dock into a frame whose corner (window frame included) is at
// `place`; shown with the main window when the toolbar is not hidden.
void floatToolbar(QMainWindow& window, QToolBar& bar, QPoint place);
// Back into a dock, at the end of its last row.
void dockToolbar(QMainWindow& window, QToolBar& bar, Qt::ToolBarArea area);
// Shows or hides a toolbar wherever it is.
void showToolbarWherever(QToolBar& bar, bool shown);
// A toolbar the user drags off its dock goes into a frame of its own.
void floatWhenUndocked(QMainWindow& window, QToolBar& bar);

}  // namespace sorvik::ui
