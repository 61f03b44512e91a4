#include "name_windows.h"

#include <QAction>
#include <QLineEdit>

#include "platform/prompts.h"
#include "ui/chart_requests.h"
#include "ui/entry/entry_bar.h"
#include "ui/main_window.h"
#include "ui/names/era_entry_dialog.h"
#include "ui/names/name_list_window.h"
#include "ui/names/time_list_window.h"
#include "ui/settings_windows.h"

namespace sorvik::ui {

namespace {

NameWindowServices servicesOf(TMainF& main, SettingsWindows& settings, ChartRequests& requests) {
    return {main.appDir(),    main.nameFiles(),          requests.entryBar(),     main.calendar(),
            main.starNames(), settings.systemSettings(), settings.ziWeiSettings()};
}

}  // namespace

NameWindows::NameWindows(TMainF& mainWindow, SettingsWindows& settings, ChartRequests& requests)
    : QObject(&mainWindow),
      main_(mainWindow),
      services_(servicesOf(mainWindow, settings, requests)) {
    setObjectName(QStringLiteral("NameWindows"));
    list_ = new TNListF(services_, &mainWindow);
    QAction* button = main_.action(MainAction::NListBtn);
    button->setEnabled(true);
    connect(button, &QAction::triggered, list_, &TNListF::showList);
    requests.entryBar().setLabelCommands([this] { openEraEntry(); }, [this] { openTimeList(); });
}

NameWindows* NameWindows::of(const TMainF& mainWindow) {
    return mainWindow.findChild<NameWindows*>(QStringLiteral("NameWindows"),
                                              Qt::FindDirectChildrenOnly);
}

void NameWindows::openEraEntry() {
    TWaEntF dialog(platform::Prompts::now().date(), main_.appDir(), &main_);
    if (dialog.exec() == QDialog::Accepted) {
        services_.entryBar.dateBox()->setText(
            dialog.value().toString(QStringLiteral("yyyy/MM/dd")));
    }
}

void NameWindows::openTimeList() {
    ui::openTimeList(services_, &main_);
}

}  // namespace sorvik::ui
