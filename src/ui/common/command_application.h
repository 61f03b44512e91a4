#pragma once

#include <QApplication>

namespace sorvik::ui {

// The application object of the desktop program: the last net under every command. What a
// handler lets escape ends that event with the program's error box, and the program runs on.
// It speaks Japanese from the start, before any dialog opens; every window it shows stays on
// the screen, and no modal dialog can be minimised out of reach.
class CommandApplication : public QApplication {
  public:
    CommandApplication(int& argc, char** argv);
    bool notify(QObject* receiver, QEvent* event) override;
};

}  // namespace sorvik::ui
