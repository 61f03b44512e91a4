#include "description_editors.h"

#include <QAction>

#include "combination_editor.h"
#include "description_list.h"
#include "text_editors.h"
#include "ui/description_texts.h"
#include "ui/main_window.h"
#include "ui/settings_windows.h"
#include "ui/star_list/star_list_window.h"

namespace sorvik::ui {

namespace {

void openFrom(TMainF& mainWindow, MainAction item, QDialog* dialog) {
    QAction* action = mainWindow.action(item);
    action->setEnabled(true);
    QObject::connect(action, &QAction::triggered, dialog, &QDialog::exec);
}

}  // namespace

DescriptionEditors attachDescriptionEditors(TMainF& mainWindow, SettingsWindows& settings,
                                            DescriptionTexts& texts) {
    // The list is the editors' own: they fill it before showing it.
    auto* list = new TSListF(mainWindow.appDir(), &mainWindow);
    const EditorServices services{mainWindow.appDir(), mainWindow.starNames(),
                                  settings.systemSettings(), settings.ziWeiSettings(), *list};
    DescriptionEditors editors{new THSetuF(services, &mainWindow),
                               new TDSetuF(services, &mainWindow),
                               new TKSetuF(services, texts.lists().patternLines, &mainWindow),
                               new TSSetuF(services, texts.lists().starLines, &mainWindow), list};
    openFrom(mainWindow, MainAction::SSetuItem, editors.stars);
    openFrom(mainWindow, MainAction::HSetuItem, editors.palaces);
    openFrom(mainWindow, MainAction::DSetuItem, editors.combinations);
    openFrom(mainWindow, MainAction::KSetuItem, editors.patterns);
    return editors;
}

void attachStarList(TMainF& mainWindow, SettingsWindows& settings, DescriptionTexts& texts) {
    QAction* item = mainWindow.action(MainAction::StarListItem);
    item->setEnabled(true);
    QObject::connect(item, &QAction::triggered, &mainWindow, [&mainWindow, &settings, &texts] {
        TSeiLF list(mainWindow.appDir(), mainWindow.starNames(), texts.lists().starLines,
                    settings.systemSettings(), &mainWindow);
        list.exec();
    });
}

}  // namespace sorvik::ui
