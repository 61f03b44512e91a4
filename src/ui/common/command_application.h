#pragma once

#include <QApplication>

namespace sorvik::ui {

// The application object of the desktop program: the last net under every command. What a
// handler lets escape ends that event with the program's error box, and the program runs on.
class CommandApplication : public QApplication {
  public:
    // Also keeps every modal dialog from being minimised out of reach (ModalDialogGuard).
    CommandApplication(int& argc, char** argv);
    bool notify(QObject* receiver, QEvent* event) override;
};

}  // namespace sorvik::ui
