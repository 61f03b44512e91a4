#include "settings_windows.h"

#include <QAction>
#include <QTimer>

#include "gaiji_dialog.h"
#include "platform/prompts.h"
#include "system_settings_dialog.h"
#include "ui/common/system_font.h"
#include "ui/shell/app_context.h"
#include "ui/shell/main_window.h"
#include "zi_wei_settings_dialog.h"

namespace sorvik::ui {

SettingsWindows::SettingsWindows(TMainF& mainWindow, AppContext& context)
    : QObject(&mainWindow),
      main_(mainWindow),
      appDir_(context.appDir()),
      ziWei_(context.ziWeiSettings()),
      system_(context.systemSettings()) {
    gaiji_ = new TGaijiF(context.appDir(), context.keys(), &main_);
    ziWei_.startUp();
    sys_ = new TSysF(main_, system_, &main_);

    for (const MainAction item :
         {MainAction::SysItem, MainAction::USysItem, MainAction::GaijiItem}) {
        main_.action(item)->setEnabled(true);
    }
    connect(main_.action(MainAction::SysItem), &QAction::triggered, this,
            &SettingsWindows::showSystemSettings);
    connect(main_.action(MainAction::USysItem), &QAction::triggered, this,
            &SettingsWindows::showZiWeiSettings);
    connect(main_.action(MainAction::GaijiItem), &QAction::triggered, this,
            &SettingsWindows::showSpecialChars);
    // The settings are saved at exit under the checks of OK.
    connect(&main_, &TMainF::closingStores, sys_, &TSysF::saveAtExit);
    connect(&main_, &TMainF::frameActivated, this,
            [this] { QTimer::singleShot(0, this, &SettingsWindows::checkSettingsFile); });
    main_.setTileAfterChoosing([this] { return system_.tileNewWindows(); });
    ApplySystemFont(main_, system_);
    connect(&system_.changes(), &settings::StoreChanges::changed, &main_, [this] {
        ApplySystemFont(main_, system_);
        main_.update();
    });
}

TUSysF& SettingsWindows::ziWeiDialog() {
    if (uSys_ == nullptr) {
        uSys_ = new TUSysF(appDir_, ziWei_, &system_, &main_);
        uSys_->openPrintPreview = tablePreview_;
    }
    return *uSys_;
}

void SettingsWindows::setTablePreview(const TablePreview& preview) {
    tablePreview_ = preview;
    sys_->openPrintPreview = preview;
    if (uSys_ != nullptr) {
        uSys_->openPrintPreview = preview;
    }
}

void SettingsWindows::showSystemSettings() {
    sys_->exec();
}

void SettingsWindows::showZiWeiSettings() {
    ziWeiDialog().exec();
}

void SettingsWindows::showSpecialChars() {
    gaiji_->exec();
}

void SettingsWindows::tellLoadWarnings() {
    if (!system_.loadWarning().isEmpty()) {
        platform::Prompts::information(system_.loadWarning());
    }
}

void SettingsWindows::checkSettingsFile() {
    if (checking_ || (system_.hasChartLayout() && system_.settingsFileExists())) {
        return;
    }
    checking_ = true;
    platform::Prompts::beep();
    platform::Prompts::information(QStringLiteral(
        "起動時のｼｽﾃﾑ設定ﾌｧｲﾙが読込できませんでした。\n\rｼｽﾃﾑ設定を確認して下さい。"));
    showSystemSettings();
    checking_ = false;
}

}  // namespace sorvik::ui
