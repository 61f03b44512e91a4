#pragma once

#include <QList>

class QAction;

namespace sorvik::ui {

// A button or submenu that only opens a list of items is enabled exactly while one of its items
// is, so that nothing offers a click that leads nowhere; it follows the items as they change.
void enableWhileAnyEnabled(QAction& opener, const QList<QAction*>& items);

}  // namespace sorvik::ui
