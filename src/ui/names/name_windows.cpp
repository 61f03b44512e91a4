#include "name_windows.h"

#include <QAction>
#include <QLineEdit>

#include "era_entry_dialog.h"
#include "name_list_window.h"
#include "platform/clock.h"
#include "platform/prompts.h"
#include "time_list_window.h"
#include "ui/entry/entry_bar.h"
#include "ui/shell/app_context.h"
#include "ui/shell/main_window.h"

namespace sorvik::ui {

namespace {

NameWindowServices servicesOf(AppContext& context, EntBar& entryBar) {
    return {context.appDir(),         context.nameFiles(),    entryBar,
            context.windowRequests(), context.calendar(),     context.starNames(),
            context.systemSettings(), context.ziWeiSettings()};
}

}  // namespace

NameWindows::NameWindows(TMainF& mainWindow, AppContext& context, EntBar& entryBar)
    : QObject(&mainWindow), main_(mainWindow), services_(servicesOf(context, entryBar)) {
    list_ = new TNListF(services_, &mainWindow);
    QAction* button = main_.action(MainAction::NListBtn);
    button->setEnabled(true);
    connect(button, &QAction::triggered, list_, &TNListF::showList);
    entryBar.setLabelCommands([this] { openEraEntry(); }, [this] { openTimeList(); });
}

void NameWindows::openEraEntry() {
    TWaEntF dialog(platform::Clock::now().date(), services_.appDir, &main_);
    if (dialog.exec() == QDialog::Accepted) {
        services_.entryBar.setDateText(dialog.value().toString(QStringLiteral("yyyy/MM/dd")));
    }
}

void NameWindows::openTimeList() {
    ui::openTimeList(services_, &main_);
}

}  // namespace sorvik::ui
