#include "command_application.h"

#include "error_boundary.h"
#include "on_screen_filter.h"

namespace sorvik::ui {

CommandApplication::CommandApplication(int& argc, char** argv) : QApplication(argc, argv) {
    installEventFilter(new OnScreenFilter(this));
}

bool CommandApplication::notify(QObject* receiver, QEvent* event) {
    bool handled = false;
    runUserCommand([&] { handled = QApplication::notify(receiver, event); });
    return handled;
}

}  // namespace sorvik::ui
