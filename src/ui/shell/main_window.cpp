#include "main_window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFileInfo>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QPaintEvent>
#include <QPainter>
#include <QStatusBar>
#include <QToolBar>

#include <optional>

#include "app_context.h"
#include "main_window_look.h"
#include "output/chart_export.h"
#include "platform/errors.h"
#include "platform/file_names.h"
#include "platform/help_pages.h"
#include "platform/key_store.h"
#include "platform/profile_file.h"
#include "platform/program_key.h"
#include "platform/prompts.h"
#include "platform/resources.h"
#include "platform/shell_open.h"
#include "platform/window_placement.h"
#include "records/name_file.h"
#include "settings/system_settings.h"
#include "toolbar_frame.h"
#include "toolbar_icons.h"
#include "toolbar_layout.h"
#include "ui/common/error_boundary.h"
#include "ui/help/about_box.h"
#include "ui/help/announcements_window.h"
#include "ui/help/help_window.h"
#include "window_commands.h"

namespace sorvik::ui {

namespace {

const QString kPlacement = QStringLiteral("MainFWinPlace1");

QString sysKey() {
    return platform::programKey(QStringLiteral("Sys"));
}

// Where the toolbars start on a first run.
QList<ToolbarPlacement> defaultPlacements() {
    const QString top = QStringLiteral("Dock97");
    const QString left = QStringLiteral("Dock971");
    return {
        {top, top, 0, 0, true, {}},   {top, top, 1, 0, true, {}},   {left, left, 0, 0, true, {}},
        {left, left, 0, 1, true, {}}, {left, left, 0, 2, true, {}},
    };
}

}  // namespace

QString TMainF::applicationTitle() {
    return QString::fromUtf8(output::kApplicationTitle);
}

QString TMainF::productKey() {
    return platform::programKey();
}

TMainF::TMainF(AppContext& context)
    : context_(context), recentFiles_(context.keys(), productKey()) {
    setObjectName(QStringLiteral("MainF"));
    connect(&context_.nameFiles(), &records::NameFileSession::titleChanged, this,
            &TMainF::showNameFileTitle);
    // There is no support site yet: without a stored address the support commands open the
    // help contents.
    supportAddress_ = context_.keys().readText(platform::makerKey(), QStringLiteral("80"));
    if (!supportAddress_.startsWith(QStringLiteral("http://")) &&
        !supportAddress_.startsWith(QStringLiteral("https://"))) {
        supportAddress_.clear();
    }

    setWindowTitle(applicationTitle());
    setWindowIcon(toolbarIcon(ToolbarIcon::Program));
    installMenuLook(*this);

    mdi_ = new QMdiArea(this);
    mdi_->setObjectName(QStringLiteral("MdiArea"));
    mdi_->setBackground(palette().color(QPalette::Dark));
    mdi_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    mdi_->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setCentralWidget(mdi_);
    statusBar()->setObjectName(QStringLiteral("StatusBar"));
    statusBar()->setStyleSheet(statusBarStyleSheet());
    statusBar()->setSizeGripEnabled(true);

    buildActions();
    buildMenus();
    buildToolbars();
    connect(mdi_, &QMdiArea::subWindowActivated, this, &TMainF::updateWindowCommands);
    updateWindowCommands();

    // The layout file is optional: one that cannot be read is told of and left as it is.
    std::optional<platform::ProfileFile> layout;
    try {
        layout.emplace(layoutFilePath());
    } catch (const platform::FileError& error) {
        layoutWarning_ = error.message() +
                         QStringLiteral("\nツールバーとウィンドウの配置は、初期の配置にします。");
        layout.emplace(QString());
    }
    // A first run (no layout file yet) starts maximised; later runs as the window was left:
    // at the stored position and size, maximised again if it was, and centred on the screen
    // when no place is stored.
    const bool haveLayout = layout->existedOnLoad();
    resize(1024, 720);
    setWindowState(haveLayout ? Qt::WindowNoState : Qt::WindowMaximized);
    platform::restorePlacement(context_.keys(), productKey(), kPlacement, *this, !haveLayout);

    context_.nameFiles().setNameListModified(false);

    loadToolbarLayout(*this, toolbars(), defaultPlacements(), *layout);
    toolbar(MainToolbar::EntBar)->setVisible(true);
    toolbar(MainToolbar::MenuBar)
        ->setVisible(true);  // without it the menus could not be reached again
    // The marks tell which bars are shown.
    action(MainAction::SystemBarItem)->setChecked(!toolbar(MainToolbar::SystemBar)->isHidden());
    action(MainAction::EntBarItem)->setChecked(true);
    action(MainAction::WindowBarItem)->setChecked(!toolbar(MainToolbar::WindowBar)->isHidden());

    readSysValues();
    action(MainAction::StsBarItem)
        ->setChecked(context_.keys().readText(sysKey(), QStringLiteral("StsBar"), "1") != "0");
    statusBar()->setVisible(action(MainAction::StsBarItem)->isChecked());
    rebuildRecentFiles();

    fixedWindowItems_ = static_cast<int>(windowMenu_->actions().size());

    context_.keys().writeText(productKey(), QStringLiteral("Dir"), context_.appDir());
    context_.keys().writeText(productKey(), QStringLiteral("Ver"), QStringLiteral("2690"));
}

TMainF::~TMainF() {
    disconnect(mdi_, nullptr, this, nullptr);
}

QString TMainF::layoutFilePath() const {
    return platform::findFileIgnoringCase(context_.appDir(), QStringLiteral("TQLX4.ini"));
}

QString TMainF::currentNameFile() const {
    return context_.nameFiles().currentNameFile();
}

bool TMainF::nameListModified() const {
    return context_.nameFiles().nameListModified();
}

void TMainF::readSysValues() {
    const QString key = sysKey();
    const platform::KeyStore& keys = context_.keys();
    defNameFile_ = keys.readText(key, QStringLiteral("DefNameFile"), QStringLiteral("Default.nam"));
    defSysFile_ = settings::chooseSettingsFileName(
        context_.appDir(), keys.readText(key, QStringLiteral("DefSysFile")));
    // Until a file loads, Save writes to the start-up file's name.
    context_.nameFiles().setCurrentNameFile(defNameFile_);
}

QMdiSubWindow* TMainF::addChild(QWidget* window) {
    QMdiSubWindow* child = mdi_->addSubWindow(window);
    if (window->windowIcon().cacheKey() == QApplication::windowIcon().cacheKey()) {
        child->setWindowIcon(windowIcon());
    }
    child->setAttribute(Qt::WA_DeleteOnClose);
    if (const int topic = helpTopicAt(window, 0); topic > 0) {
        setHelpTopic(*child, topic);  // the frame may hold the focus
    }
    // The last child going away leaves nothing to arrange.
    connect(child, &QObject::destroyed, this, &TMainF::updateWindowCommands, Qt::QueuedConnection);
    child->show();
    updateWindowCommands();
    return child;
}

void TMainF::updateWindowCommands() {
    bool any = false;
    for (const QMdiSubWindow* child : mdi_->subWindowList()) {
        if (!child->testAttribute(Qt::WA_DeleteOnClose) || child->isVisible() ||
            child->isMinimized()) {
            any = true;
            break;
        }
    }
    for (const MainAction command : {MainAction::CascadeItem, MainAction::TileItem,
                                     MainAction::CloseAllItem, MainAction::MinimiseItem}) {
        action(command)->setEnabled(any);
    }
}

void TMainF::tile() {
    tileWindows(*mdi_);
}

void TMainF::cascade() {
    mdi_->cascadeSubWindows();
}

void TMainF::closeAll() {
    closeAllWindows(*mdi_);
    updateWindowCommands();
}

void TMainF::minimiseAll() {
    minimiseAllWindows(*mdi_);
}

void TMainF::openHelp(int topic) {
    showHelpTopic(context_.appDir(), topic);
}

void TMainF::showAbout() {
    auto* about = new AboutBox(supportAddress_, context_.appDir(), this);
    about->exec();
}

void TMainF::showAnnouncements() {
    AnnouncementsWindow window(context_.appDir(), this);
    window.exec();
}

void TMainF::openSupportPage() {
    if (supportAddress_.isEmpty()) {
        openHelp(platform::kHelpContentsTopic);
        return;
    }
    const platform::ShellResult result = platform::shellOpenDocument(supportAddress_);
    if (!result.ok) {
        platform::Prompts::error(result.message);
    }
}

void TMainF::bringToFront() {
    if (isMinimized()) {
        showNormal();
    }
    show();
    raise();
    activateWindow();
}

void TMainF::showToolbar(QToolBar* bar, bool shown) {
    if (!shown) {
        rememberPlacements(*this, toolbars());
    }
    showToolbarWherever(*bar, shown);
}

void TMainF::paintEvent(QPaintEvent* event) {
    QPainter(this).fillRect(event->rect(), kDockColour);
}

bool TMainF::event(QEvent* event) {
    if (event->type() == QEvent::WindowActivate) {
        platform::CheckFreeResources(10);
        emit frameActivated();
    }
    return QMainWindow::event(event);
}

void TMainF::endWithoutSaving() {
    closed_ = true;
    close();
    QApplication::exit(0);
}

void TMainF::closeEvent(QCloseEvent* event) {
    if (closed_) {
        event->accept();
        return;
    }
    if (currentNameFile() == QString::fromLatin1(records::kNewNameFile) || nameListModified()) {
        platform::Prompts::beep();
        // キャンセル calls a mistaken exit back; a save that fails keeps the program open too,
        // so that the persons are not lost.
        const platform::Answer answer = platform::Prompts::box(
            platform::BoxStyle::Information, platform::BoxButtons::YesNoCancel,
            QString::fromUtf16(records::kSaveChangesQuestion));
        if (answer == platform::Answer::Cancel ||
            (answer == platform::Answer::Yes &&
             !runFileCommand([this] { context_.nameFiles().SaveNameFile(currentNameFile()); }))) {
            event->ignore();
            return;
        }
    }

    runUserCommand([this] { recentFiles_.merge(); });
    emit closingStores();

    const QString sys = sysKey();
    context_.keys().writeText(sys, QStringLiteral("StsBar"),
                              action(MainAction::StsBarItem)->isChecked() ? "1" : "0");
    context_.keys().writeText(sys, QStringLiteral("DefNameFile"), defNameFile_);
    context_.keys().writeText(sys, QStringLiteral("DefSysFile"), defSysFile_);
    runUserCommand([this] {
        if (!layoutWarning_.isEmpty()) {
            return;  // not written over what could not be read
        }
        platform::ProfileFile layout(layoutFilePath());
        saveToolbarLayout(*this, toolbars(), layout);
        layout.save();
    });

    platform::savePlacement(context_.keys(), productKey(), kPlacement, *this);
    runUserCommand([this] { context_.keys().sync(); });
    closed_ = true;
    event->accept();
}

}  // namespace sorvik::ui
