#include "command_application.h"

#include "error_boundary.h"
#include "modal_dialog_guard.h"

namespace sorvik::ui {

CommandApplication::CommandApplication(int& argc, char** argv) : QApplication(argc, argv) {
    installEventFilter(new ModalDialogGuard(this));
}

bool CommandApplication::notify(QObject* receiver, QEvent* event) {
    bool handled = false;
    runUserCommand([&] { handled = QApplication::notify(receiver, event); });
    return handled;
}

}  // namespace sorvik::ui
