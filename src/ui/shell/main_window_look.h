#pragma once

#include <QColor>
#include <QString>

class QObject;

namespace sorvik::ui {

// The frame's look: blue docks, bars with a light gradient, menu buttons of a fixed width and
// menus with an icon column. Each part goes on the widgets it styles: a style sheet on the frame
// would reach every window inside it and make each of them slower to make and to paint.
inline const QColor kDockColour(0x8d, 0xa9, 0xd8);
// A bar and its buttons, and the menu bar in its bar.
QString toolbarStyleSheet();
QString statusBarStyleSheet();

// Gives every menu of the program the menu look as it is first polished; for as long as owner
// lives.
void installMenuLook(QObject& owner);

}  // namespace sorvik::ui
