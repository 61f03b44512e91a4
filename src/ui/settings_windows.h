#pragma once

#include <memory>

#include <QObject>

#include "settings/system_settings.h"
#include "settings/zi_wei_settings.h"

namespace sorvik::ui {

class TMainF;
class TGaijiF;
class TSysF;
class TUSysF;

// The settings stores of the run and their dialogs, created after the main window in the
// start-up order (special characters, Zi Wei settings, system settings) and wired to its menu
// items and buttons. Lives as long as the main window.
class SettingsWindows : public QObject {
    Q_OBJECT
  public:
    explicit SettingsWindows(TMainF& mainWindow);
    ~SettingsWindows() override;

    // The one of the given main window.
    static SettingsWindows* of(const TMainF& mainWindow);

    settings::SystemSettings& systemSettings() { return *system_; }
    settings::ZiWeiSettings& ziWeiSettings() { return *ziWei_; }
    TGaijiF& specialCharDialog() { return *gaiji_; }
    TUSysF& ziWeiDialog() { return *uSys_; }
    TSysF& systemDialog() { return *sys_; }

    // The menu commands: modal; after the system settings every child window repaints.
    void showSystemSettings();
    void showZiWeiSettings();
    void showSpecialChars();
    // Tells what loading the settings file at creation met (a damaged file, unreadable
    // bytes); the start-up calls it once the splash is gone.
    void tellLoadWarnings();
    // Opens the system settings, after the message, while the settings file is missing or
    // gives no chart layout.
    void checkSettingsFile();

  private:
    TMainF& main_;
    std::unique_ptr<settings::ZiWeiSettings> ziWei_;
    std::unique_ptr<settings::SystemSettings> system_;
    TGaijiF* gaiji_ = nullptr;
    TUSysF* uSys_ = nullptr;
    TSysF* sys_ = nullptr;
    bool checking_ = false;
};

}  // namespace sorvik::ui
