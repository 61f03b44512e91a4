#include "main_window_look.h"

namespace sorvik::ui {

QString mainWindowStyleSheet() {
    return QStringLiteral(R"(
QMainWindow#MainF { background: #8da9d8; }
QMainWindow#MainF::separator { background: #8da9d8; }
QMainWindow#MainF > QToolBar {
    background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #fbfcff, stop:1 #d9e3f4);
    border: 1px solid #5d78aa;
    margin: 1px;
    spacing: 1px;
    padding: 1px;
}
QMainWindow#MainF > QToolBar QToolButton { padding: 2px; border: 1px solid transparent; }
QMainWindow#MainF > QToolBar QToolButton:hover {
    background: #ffe7a2; border: 1px solid #d0a030; border-radius: 2px;
}
QMainWindow#MainF > QToolBar QToolButton:pressed { background: #f8c860; }
QMenuBar#MnuBar { background: transparent; }
QMenuBar#MnuBar::item {
    padding: 3px 10px; margin: 0px 1px; background: transparent;
}
QMenuBar#MnuBar::item:selected {
    background: #c8d8f4; border: 1px solid #3168c4; border-radius: 2px;
}
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
QStatusBar { background: #e6ecf7; border-top: 1px solid #8da9d8; }
)");
}

}  // namespace sorvik::ui
