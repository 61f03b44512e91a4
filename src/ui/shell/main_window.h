#pragma once

#include <array>
#include <cstddef>
#include <functional>
#include <memory>

#include <QList>
#include <QMainWindow>
#include <QString>

#include "records/recent_files.h"

class QMdiArea;
class QMdiSubWindow;
class QMenu;
class QMenuBar;
class QToolBar;

namespace sorvik::ui {

class AppContext;

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
// opens from its menus and bars. It runs the File menu over the run's name file and keeps the
// toolbar layout and its own placement.
class TMainF : public QMainWindow {
    Q_OBJECT
  public:
    static constexpr int kHelpTopic = 10000;
    static QString applicationTitle();  // "Sorvik Ver2.69"
    static QString productKey();        // "Software\Velmora\TQLX4"

    // The context outlives the window.
    explicit TMainF(AppContext& context);
    ~TMainF() override;

    // Empty while there is no support site: the support commands open the help contents then.
    QString supportAddress() const { return supportAddress_; }
    QMdiArea* mdiArea() const { return mdi_; }

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

    // The run's name file: the one Save writes, and whether the list changed since.
    QString currentNameFile() const;
    bool nameListModified() const;
    records::RecentFiles& recentFiles() { return recentFiles_; }
    QString defNameFile() const { return defNameFile_; }
    void setDefNameFile(const QString& name) { defNameFile_ = name; }
    QString defSysFile() const { return defSysFile_; }
    void setDefSysFile(const QString& name) { defSysFile_ = name; }

    // Why the layout file could not be read at start-up, which then took the first run's
    // layout; empty when it was read (or there is none yet).
    QString layoutWarning() const { return layoutWarning_; }

    // Whether choosing a window from the window list tiles (else cascades); a system setting.
    void setTileAfterChoosing(std::function<bool()> rule) { tileAfterChoosing_ = std::move(rule); }

    // The File menu's commands. Each ends with its own message when a file fails.
    void newNameFile();
    void openNameFile();
    void saveNameFile();
    void saveNameFileAs();
    void openRecentFile(const QString& path);
    // A name file chosen outside the program (a second start was given it), as if chosen
    // in the Open dialog.
    void openGivenNameFile(const QString& path);
    // The name file opened at start-up, which joins the recent files: the one given, or when
    // none is, the start-up name file of the settings.
    void loadStartupNameFile(const QString& given = {});
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
    void paintEvent(QPaintEvent* event) override;
    bool event(QEvent* event) override;
    QMenu* createPopupMenu() override { return nullptr; }

  private:
    void buildActions();
    void buildMenus();
    void buildToolbars();
    void rebuildWindowList();
    void readSysValues();
    void showToolbar(QToolBar* toolbar, bool shown);
    void showNameFileTitle(const QString& fileName);
    // Runs a name file command; a file error ends it with its message. False after an error.
    bool runFileCommand(const std::function<void()>& command);
    QString layoutFilePath() const;

    AppContext& context_;
    QString supportAddress_;
    std::array<QAction*, kMainActionCount> actions_{};
    std::array<QToolBar*, kMainToolbarCount> toolbars_{};
    QMdiArea* mdi_ = nullptr;
    QMenuBar* menuBarWidget_ = nullptr;
    QMenu* windowMenu_ = nullptr;
    QMenu* toolsMenu_ = nullptr;
    QMenu* editPopup_ = nullptr;
    int fixedWindowItems_ = 0;
    records::RecentFiles recentFiles_;
    QList<QAction*> recentItems_;
    QMenu* fileMenu_ = nullptr;
    QString openDialogName_;
    QString defNameFile_;
    QString defSysFile_;
    std::function<bool()> tileAfterChoosing_;
    QString layoutWarning_;
    bool closed_ = false;
};

}  // namespace sorvik::ui
