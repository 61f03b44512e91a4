#pragma once

#include <array>
#include <cstddef>
#include <functional>
#include <memory>
#include <optional>

#include <QList>
#include <QMainWindow>
#include <QString>

#include "engine/calendar_table.h"
#include "engine/catalogue.h"
#include "records/name_file.h"
#include "records/name_list.h"
#include "records/recent_files.h"

class QMdiArea;
class QMdiSubWindow;
class QMenu;
class QMenuBar;
class QToolBar;

namespace sorvik::platform {
class KeyStore;
}

namespace sorvik::ui {

// The menu items and toolbar buttons of the main window. Each also carries its name as object
// name ("TileItem", "TileBtn"), by which the look and the status hints know it.
enum class MainAction {
    NewItem,
    OpenItem,
    SaveItem,
    SaveAsItem,
    StarListItem,
    BackItem,
    InfItem,
    ExitItem,
    SSetuItem,
    HSetuItem,
    DSetuItem,
    KSetuItem,
    KHyoItem,
    SysItem,
    USysItem,
    GaijiItem,
    SystemBarItem,
    EntBarItem,
    WindowBarItem,
    StsBarItem,
    CloseAllItem,
    CascadeItem,
    TileItem,
    MinimiseItem,
    ToolsItem,
    ContentsItem,
    AboutItem,
    W1,
    NListBtn,
    NewBtn,
    OpenBtn,
    SaveBtn,
    SysBtn,
    USysBtn,
    BackBtn,
    CloseBtn,
    MiniBtn,
    TileBtn,
    CascadeBtn,
    HelpBtn,
    URLBtn,
    InfoBtn,
    EditBtn,
};
inline constexpr std::size_t kMainActionCount = 43;

// The toolbars, by the names the layout file keeps them under.
enum class MainToolbar { MenuBar, EntBar, SystemBar, WindowBar, Netbar };
inline constexpr std::size_t kMainToolbarCount = 5;

// The MDI frame of the program. Chart and luck windows are its children; every other window
// opens from its menus and bars. It owns AppDir, the name file state and the key store's use by
// the shell, and keeps the toolbar layout and its own placement.
class TMainF : public QMainWindow {
    Q_OBJECT
  public:
    static constexpr int kHelpTopic = 10000;
    static QString applicationTitle();  // "Sorvik Ver2.69"
    static QString productKey();        // "Software\Velmora\TQLX4"

    // appDir ends with "/"; the key store is the registry of the whole program.
    TMainF(const QString& appDir, platform::KeyStore& keys);
    ~TMainF() override;

    QString appDir() const { return appDir_; }
    platform::KeyStore& keys() const { return keys_; }
    // Empty while there is no support site: the support commands open the help contents then.
    QString supportAddress() const { return supportAddress_; }
    QMdiArea* mdiArea() const { return mdi_; }
    const engine::CalendarTable& calendar() const { return calendar_; }
    // The calendar editor's: edits reach every later look-up of the run.
    engine::CalendarTable& editableCalendar() { return calendar_; }
    const engine::StarDisplayNames& starNames() const { return *starNames_; }

    // Menu items, buttons and bars, for the windows that attach to them.
    QAction* action(MainAction which) const { return actions_.at(static_cast<std::size_t>(which)); }
    QToolBar* toolbar(MainToolbar which) const {
        return toolbars_.at(static_cast<std::size_t>(which));
    }
    QList<QToolBar*> toolbars() const { return {toolbars_.begin(), toolbars_.end()}; }
    QMenu* windowMenu() const { return windowMenu_; }
    QMenu* toolsMenu() const { return toolsMenu_; }

    // A chart or luck window joins the frame.
    QMdiSubWindow* addChild(QWidget* window);

    // The persons and the current name file: the one place that knows which file Save
    // writes and whether the list changed.
    records::NameList& nameList() { return nameList_; }
    records::NameFileSession& nameFiles() const { return *nameFiles_; }
    QString currentNameFile() const { return nameFiles_->currentNameFile(); }
    bool nameListModified() const { return nameFiles_->nameListModified(); }
    records::RecentFiles& recentFiles() { return recentFiles_; }
    QString defNameFile() const { return defNameFile_; }
    void setDefNameFile(const QString& name) { defNameFile_ = name; }
    QString defSysFile() const { return defSysFile_; }
    void setDefSysFile(const QString& name) { defSysFile_ = name; }

    // Whether choosing a window from the window list tiles (else cascades); a system setting.
    void setTileAfterChoosing(std::function<bool()> rule) { tileAfterChoosing_ = std::move(rule); }

    // The File menu's commands. Each ends with its own message when a file fails.
    void newNameFile();
    void openNameFile();
    void saveNameFile();
    void saveNameFileAs();
    void openRecentFile(const QString& path);
    // The name file opened at start-up, which joins the recent files.
    void loadStartupNameFile();
    // The recent files at the end of the File menu, after merging this run's into the stored.
    void rebuildRecentFiles();
    QList<QAction*> recentFileItems() const { return recentItems_; }

    void tile();
    void cascade();
    void closeAll();
    void minimiseAll();
    void openHelp(int topic);
    void showAbout();
    void showAnnouncements();
    void openSupportPage();
    // A second start asked for the running copy.
    void bringToFront();
    // Ends the run at once, without the saves of closing: a restore has just put back the
    // files and values they would overwrite.
    void endWithoutSaving();

    // Window commands' enabled state, from whether any child exists.
    void updateWindowCommands();

  signals:
    // Closing, before the shell's own values: the stores of other windows save here (recent
    // files, system settings) in the order they connected.
    void closingStores();
    // Each time the frame becomes the active window.
    void frameActivated();

  protected:
    void closeEvent(QCloseEvent* event) override;
    bool event(QEvent* event) override;
    QMenu* createPopupMenu() override { return nullptr; }

  private:
    void buildActions();
    void buildMenus();
    void buildToolbars();
    void rebuildWindowList();
    void readSysValues();
    void loadCalendarAndNames();
    void showToolbar(QToolBar* toolbar, bool shown);
    void showNameFileTitle(const QString& fileName);
    // Runs a name file command; a file error ends it with its message. False after an error.
    bool runFileCommand(const std::function<void()>& command);
    QString layoutFilePath() const;

    QString appDir_;
    platform::KeyStore& keys_;
    QString supportAddress_;
    std::array<QAction*, kMainActionCount> actions_{};
    std::array<QToolBar*, kMainToolbarCount> toolbars_{};
    QMdiArea* mdi_ = nullptr;
    QMenuBar* menuBarWidget_ = nullptr;
    QMenu* windowMenu_ = nullptr;
    QMenu* toolsMenu_ = nullptr;
    QMenu* editPopup_ = nullptr;
    int fixedWindowItems_ = 0;
    engine::CalendarTable calendar_;
    std::optional<engine::StarDisplayNames> starNames_;
    records::NameList nameList_;
    records::NameFileSession* nameFiles_ = nullptr;
    records::RecentFiles recentFiles_;
    QList<QAction*> recentItems_;
    QMenu* fileMenu_ = nullptr;
    QString openDialogName_;
    QString defNameFile_;
    QString defSysFile_;
    std::function<bool()> tileAfterChoosing_;
    bool closed_ = false;
};

}  // namespace sorvik::ui
