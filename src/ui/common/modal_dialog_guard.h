#pragma once

#include <QObject>

namespace sorvik::ui {

// A modal dialog that the window manager minimises leaves every other window of the program
// blocked behind nothing the user can see: it comes straight back. Some window managers draw a
// minimise button on every dialog, whatever the dialog asks for.
class ModalDialogGuard : public QObject {
  public:
    using QObject::QObject;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

}  // namespace sorvik::ui
