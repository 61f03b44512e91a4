#include "command_application.h"

#include "error_boundary.h"

namespace sorvik::ui {

bool CommandApplication::notify(QObject* receiver, QEvent* event) {
    bool handled = false;
    runUserCommand([&] { handled = QApplication::notify(receiver, event); });
    return handled;
}

}  // namespace sorvik::ui
