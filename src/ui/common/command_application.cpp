#include "command_application.h"

#include "error_boundary.h"
#include "modal_dialog_guard.h"
#include "on_screen_filter.h"
#include "platform/qt_translations.h"

namespace sorvik::ui {

CommandApplication::CommandApplication(int& argc, char** argv) : QApplication(argc, argv) {
    platform::speakJapanese(*this);
    installEventFilter(new OnScreenFilter(this));
    installEventFilter(new ModalDialogGuard(this));
}

bool CommandApplication::notify(QObject* receiver, QEvent* event) {
    bool handled = false;
    runUserCommand([&] { handled = QApplication::notify(receiver, event); });
    return handled;
}

}  // namespace sorvik::ui
