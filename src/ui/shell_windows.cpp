#include "shell_windows.h"

#include <QAction>

#include "backup/backup_dialog.h"
#include "calendar_editor/calendar_editor.h"
#include "main_window.h"
#include "tools/tools_dialog.h"

namespace sorvik::ui {

void attachCalendarEditor(TMainF& mainWindow) {
    auto* editor = new TKHyoF(mainWindow.appDir(), mainWindow.editableCalendar(), &mainWindow);
    QAction* item = mainWindow.action(MainAction::KHyoItem);
    item->setEnabled(true);
    QObject::connect(item, &QAction::triggered, editor, &QDialog::exec);
}

void attachBackup(TMainF& mainWindow) {
    QAction* item = mainWindow.action(MainAction::BackItem);
    item->setEnabled(true);
    QObject::connect(item, &QAction::triggered, &mainWindow, [&mainWindow] {
        TBackF dialog(
            mainWindow.appDir(), mainWindow.keys(),
            [&mainWindow] { mainWindow.endWithoutSaving(); }, &mainWindow);
        dialog.exec();
    });
}

void attachTools(TMainF& mainWindow) {
    auto* tools =
        new TTools(mainWindow.appDir(), mainWindow.keys(), *mainWindow.toolsMenu(), &mainWindow);
    QAction* item = mainWindow.action(MainAction::ToolsItem);
    item->setEnabled(true);
    QObject::connect(item, &QAction::triggered, tools, &QDialog::exec);
}

}  // namespace sorvik::ui
