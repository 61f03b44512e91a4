#pragma once

#include <QList>
#include <QPoint>
#include <QSize>

class QMdiArea;
class QMdiSubWindow;

namespace sorvik::ui {

// The MDI children from the most recently active to the least recently active.
QList<QMdiSubWindow*> windowOrder(const QMdiArea& area);

// Where Tile puts windows of the given sizes (in window order) in a frame of the given width:
// rows filled from the left without changing any size, each new row starting below the window
// before it. A window wider than the frame still starts its row at x = 0.
QList<QPoint> tilePositions(const QList<QSize>& sizes, int frameWidth);

// The window commands of the main window.
void tileWindows(QMdiArea& area);
void closeAllWindows(QMdiArea& area);
void minimiseAllWindows(QMdiArea& area);

}  // namespace sorvik::ui
