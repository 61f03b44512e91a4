#pragma once

#include <QString>

namespace sorvik::ui {

// The frame's look: blue docks, bars with a light gradient, menu buttons of a fixed width and
// menus with an icon column.
QString mainWindowStyleSheet();

}  // namespace sorvik::ui
