#pragma once

#include <functional>

#include <QObject>
#include <QString>

class QTableView;

namespace sorvik::settings {
class SystemSettings;
class ZiWeiSettings;
}  // namespace sorvik::settings

namespace sorvik::ui {

class AppContext;
class TMainF;
class TGaijiF;
class TSysF;
class TUSysF;

// The dialogs over the run's settings stores, created after the main window in the start-up
// order (special characters, Zi Wei settings, system settings; the stores load as their dialogs
// come) and wired to its menu items and buttons. The Zi Wei settings dialog only shows its
// store and is made when first asked for. Lives as long as the main window.
class SettingsWindows : public QObject {
    Q_OBJECT
  public:
    SettingsWindows(TMainF& mainWindow, AppContext& context);

    TGaijiF& specialCharDialog() { return *gaiji_; }
    TUSysF& ziWeiDialog();
    TSysF& systemDialog() { return *sys_; }
    // How the two settings dialogs print a table of theirs.
    using TablePreview = std::function<void(const QString& title, const QTableView& table)>;
    void setTablePreview(const TablePreview& preview);

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
    QString appDir_;
    settings::ZiWeiSettings& ziWei_;
    settings::SystemSettings& system_;
    TGaijiF* gaiji_ = nullptr;
    TUSysF* uSys_ = nullptr;
    TSysF* sys_ = nullptr;
    TablePreview tablePreview_;
    bool checking_ = false;
};

}  // namespace sorvik::ui
