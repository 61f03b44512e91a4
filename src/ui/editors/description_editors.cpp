#include "description_editors.h"

#include <QAction>

#include "combination_editor.h"
#include "description_list.h"
#include "text_editors.h"
#include "ui/shell/app_context.h"
#include "ui/shell/main_window.h"
#include "ui/star_list/star_list_window.h"

namespace sorvik::ui {

namespace {

void openFrom(TMainF& mainWindow, MainAction item, QDialog* dialog) {
    QAction* action = mainWindow.action(item);
    action->setEnabled(true);
    QObject::connect(action, &QAction::triggered, dialog, &QDialog::exec);
}

}  // namespace

DescriptionEditors attachDescriptionEditors(TMainF& mainWindow, AppContext& context,
                                            texts::LiveTexts& texts) {
    // The list is the editors' own: they fill it before showing it.
    auto* list = new TSListF(context.appDir(), &mainWindow);
    const EditorServices services{context.appDir(), context.starNames(), context.systemSettings(),
                                  context.ziWeiSettings(), *list};
    DescriptionEditors editors{new THSetuF(services, &mainWindow),
                               new TDSetuF(services, &mainWindow),
                               new TKSetuF(services, texts.patternLines, &mainWindow),
                               new TSSetuF(services, texts.starLines, &mainWindow), list};
    openFrom(mainWindow, MainAction::SSetuItem, editors.stars);
    openFrom(mainWindow, MainAction::HSetuItem, editors.palaces);
    openFrom(mainWindow, MainAction::DSetuItem, editors.combinations);
    openFrom(mainWindow, MainAction::KSetuItem, editors.patterns);
    return editors;
}

void attachStarList(TMainF& mainWindow, AppContext& context, const texts::LiveTexts& texts) {
    QAction* item = mainWindow.action(MainAction::StarListItem);
    item->setEnabled(true);
    QObject::connect(item, &QAction::triggered, &mainWindow, [&mainWindow, &context, &texts] {
        TSeiLF list(context.appDir(), context.starNames(), texts.starLines,
                    context.systemSettings(), &mainWindow);
        list.exec();
    });
}

}  // namespace sorvik::ui
