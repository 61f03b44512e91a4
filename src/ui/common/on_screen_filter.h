#pragma once

#include <QObject>

namespace sorvik::ui {

// Watches every window of the program as it is shown and keeps it wholly on the screen that
// shows its parent (or the active window), whatever placed it: a stored place, the toolkit's
// centring over the parent, or nothing at all. Menus, lists and tooltips place themselves.
class OnScreenFilter : public QObject {
  public:
    using QObject::QObject;
    bool eventFilter(QObject* watched, QEvent* event) override;
};

}  // namespace sorvik::ui
