#include "main_window_look.h"

#include <QApplication>
#include <QEvent>
#include <QMenu>

namespace sorvik::ui {

namespace {

QString menuStyleSheet() {
    return QStringLiteral(R"(
QMenu {
    background: qlineargradient(x1:0, y1:0, x2:1, y2:0,
                                stop:0 #dfe7f5, stop:0.11 #c5d3ec, stop:0.111 #fdfdff, stop:1 #fdfdff);
    border: 1px solid #5d78aa;
    padding: 1px;
}
QMenu::item { padding: 4px 28px 4px 30px; background: transparent; }
QMenu::item:selected { background: #c8d8f4; border: 1px solid #3168c4; color: black; }
QMenu::item:disabled { color: #9098a8; }
QMenu::item:disabled:selected { background: transparent; border: none; color: #9098a8; }
QMenu::separator { height: 1px; background: #b0bcd4; margin: 3px 4px 3px 30px; }
QMenu::indicator { width: 14px; height: 14px; left: 6px; }
)");
}

class MenuLook : public QObject {
  public:
    explicit MenuLook(QObject& owner) : QObject(&owner), sheet_(menuStyleSheet()) {}

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Polish) {
            if (auto* menu = qobject_cast<QMenu*>(watched); menu && menu->styleSheet().isEmpty()) {
                menu->setStyleSheet(sheet_);
            }
        }
        return false;
    }

  private:
    QString sheet_;
};

}  // namespace

QString toolbarStyleSheet() {
    return QStringLiteral(R"(
QToolBar {
    background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #fbfcff, stop:1 #d9e3f4);
    border: 1px solid #5d78aa;
    margin: 1px;
    spacing: 1px;
    padding: 1px;
}
QToolBar QToolButton { padding: 2px; border: 1px solid transparent; }
QToolBar QToolButton:hover {
    background: #ffe7a2; border: 1px solid #d0a030; border-radius: 2px;
}
QToolBar QToolButton:pressed { background: #f8c860; }
QMenuBar#MnuBar { background: transparent; }
QMenuBar#MnuBar::item {
    padding: 3px 10px; margin: 0px 1px; background: transparent;
}
QMenuBar#MnuBar::item:selected {
    background: #c8d8f4; border: 1px solid #3168c4; border-radius: 2px;
}
)");
}

QString statusBarStyleSheet() {
    return QStringLiteral("QStatusBar { background: #e6ecf7; border-top: 1px solid #8da9d8; }");
}

void installMenuLook(QObject& owner) {
    QApplication::instance()->installEventFilter(new MenuLook(owner));
}

}  // namespace sorvik::ui
