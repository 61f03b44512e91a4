#include "shell_windows.h"

#include <QAction>

#include "app_context.h"
#include "main_window.h"
#include "ui/backup/backup_dialog.h"
#include "ui/calendar_editor/calendar_editor.h"
#include "ui/tools/tools_dialog.h"

namespace sorvik::ui {

void attachCalendarEditor(TMainF& mainWindow, AppContext& context) {
    auto* editor = new TKHyoF(context.appDir(), context.editableCalendar(), &mainWindow);
    QAction* item = mainWindow.action(MainAction::KHyoItem);
    item->setEnabled(true);
    QObject::connect(item, &QAction::triggered, editor, &QDialog::exec);
}

void attachBackup(TMainF& mainWindow, AppContext& context) {
    QAction* item = mainWindow.action(MainAction::BackItem);
    item->setEnabled(true);
    QObject::connect(item, &QAction::triggered, &mainWindow, [&mainWindow, &context] {
        TBackF dialog(
            context.appDir(), context.keys(), [&mainWindow] { mainWindow.endWithoutSaving(); },
            &mainWindow);
        dialog.exec();
    });
}

void attachTools(TMainF& mainWindow, AppContext& context) {
    auto* tools =
        new TTools(context.appDir(), context.keys(), *mainWindow.toolsMenu(), &mainWindow);
    QAction* item = mainWindow.action(MainAction::ToolsItem);
    item->setEnabled(true);
    QObject::connect(item, &QAction::triggered, tools, &QDialog::exec);
}

}  // namespace sorvik::ui
