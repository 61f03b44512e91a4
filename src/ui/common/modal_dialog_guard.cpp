#include "modal_dialog_guard.h"

#include <QDialog>
#include <QEvent>
#include <QPointer>
#include <QTimer>

namespace sorvik::ui {

bool ModalDialogGuard::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::WindowStateChange) {
        auto* dialog = qobject_cast<QDialog*>(watched);
        if (dialog && dialog->isModal() && dialog->isMinimized()) {
            // Not within the change itself, which the window manager is still reporting.
            QTimer::singleShot(0, dialog, [dialog = QPointer<QDialog>(dialog)] {
                if (dialog && dialog->isMinimized()) {
                    dialog->showNormal();
                    dialog->raise();
                    dialog->activateWindow();
                }
            });
        }
    }
    return false;
}

}  // namespace sorvik::ui
