// Runs under under_window_manager.sh: opens every window and dialog of the program from its menu
// item or button, over the maximised main window, and checks each as the X server shows it:
// mapped, wholly on the screen, and a modal one the active window on top of the others. A
// picture of the screen with each goes into one folder (SORVIK_PICTURES, else the build's
// desktop-check folder). Questions and file dialogs are answered from the script; the
// program's own dialogs open for real.

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMessageBox>
#include <QPointer>
#include <QProcess>
#include <QScreen>
#include <QTabWidget>
#include <QTableView>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolBar>
#include <QtTest/QTest>

#include <gtest/gtest.h>

#include "engine/branch.h"
#include "platform/key_store.h"
#include "platform/program_key.h"
#include "platform/prompts.h"
#include "shell_fixture.h"
#include "ui/backup/backup_dialog.h"
#include "ui/chart/chart_window.h"
#include "ui/common/app_fonts.h"
#include "ui/detail/palace_detail_window.h"
#include "ui/entry/entry_bar.h"
#include "ui/names/name_windows.h"
#include "ui/shell/main_window.h"
#include "ui/shell/splash_window.h"
#include "ui/shell/startup.h"
#include "x_server.h"

namespace sorvik::ui {
namespace {

using platform::Prompts;
using testing::XWindow;

constexpr int kWaitMs = 5000;
// The window manager may still place a window just after mapping it.
constexpr int kSettleMs = 300;

// One window as it was seen.
struct Seen {
    QString name;
    bool opened = false;
    bool modal = false;
    XWindow x;
};

std::string place(const QRect& r) {
    return QStringLiteral("%1,%2 %3x%4")
        .arg(r.x())
        .arg(r.y())
        .arg(r.width())
        .arg(r.height())
        .toStdString();
}

QString pictureFolder() {
    const QString folder = qEnvironmentVariable("SORVIK_PICTURES");
    return folder.isEmpty() ? QStringLiteral(SORVIK_DESKTOP_PICTURES) : folder;
}

bool isOwnWindow(const QWidget* window) {
    const Qt::WindowType type = window->windowType();
    return window->isVisible() && type != Qt::Popup && type != Qt::ToolTip &&
           type != Qt::SplashScreen;
}

QList<QPointer<QWidget>> shownWindows() {
    QList<QPointer<QWidget>> shown;
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (isOwnWindow(window)) {
            shown << window;
        }
    }
    return shown;
}

// The window that opened since before: the modal one on top when there is one.
QWidget* newWindow(const QList<QPointer<QWidget>>& before) {
    QWidget* modal = QApplication::activeModalWidget();
    if (modal && modal->isVisible() && !before.contains(modal)) {
        return modal;
    }
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (isOwnWindow(window) && !before.contains(window)) {
            return window;
        }
    }
    return nullptr;
}

int pictureCount = 0;

void picture(const QString& name) {
    ++pictureCount;
    QGuiApplication::primaryScreen()->grabWindow(0).save(
        QDir(pictureFolder())
            .filePath(QStringLiteral("%1-%2.png").arg(pictureCount, 2, 10, QChar(u'0')).arg(name)));
}

// The program's folder as the build makes it, in appDir.
void copyProgramFolder(const QString& appDir) {
    const QDir bin(QStringLiteral(SORVIK_BIN_DIR));
    QDir().mkpath(appDir + QStringLiteral("TQLX4.help"));
    QDirIterator files(bin.path(), QDir::Files, QDirIterator::Subdirectories);
    while (files.hasNext()) {
        const QFileInfo file = files.nextFileInfo();
        if (!file.isExecutable()) {
            QFile::copy(file.filePath(), appDir + bin.relativeFilePath(file.filePath()));
        }
    }
}

QAbstractButton* buttonOf(QWidget& window, const QString& name) {
    for (QAbstractButton* button : window.findChildren<QAbstractButton*>()) {
        if (button->objectName() == name || button->text() == name) {
            return button;
        }
    }
    ADD_FAILURE() << "no button " << name.toStdString() << " in "
                  << window.windowTitle().toStdString();
    return nullptr;
}

class DesktopCheck : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        Prompts::startScripting();
        QApplication::setApplicationName(TMainF::applicationTitle());
        // The faces and the font the program itself sets before its start-up.
        installFontSubstitutes();
        QApplication::setFont(defaultUiFont());
        dir_ = new QTemporaryDir;
        const QString appDir = dir_->filePath(QStringLiteral("bin")) + u'/';
        appDir_ = new QString(appDir);
        QDir().mkpath(pictureFolder());
        copyProgramFolder(appDir);
        run_ = startSorvik(appDir, dir_->filePath(QStringLiteral("registry.ini")), true).release();
        ASSERT_NE(run_, nullptr);
        run_->mainWindow->showMaximized();
        ASSERT_TRUE(QTest::qWaitForWindowActive(run_->mainWindow.get(), kWaitMs));
        startMessages_ = new QStringList(Prompts::shownTexts());
    }

    static void TearDownTestSuite() {
        delete run_;
        delete dir_;
        delete startMessages_;
        delete appDir_;
        Prompts::stopScripting();
    }

    static TMainF& main() { return *run_->mainWindow; }
    static QAction* item(MainAction which) { return main().action(which); }
    static EntBar& entryBar() { return *main().findChild<EntBar*>(); }

    // Runs open, which opens one window (and for a modal one waits in its loop), waits until
    // the window manager has shown it, looks at it, runs inside over it, and closes it.
    Seen open(const QString& name, const std::function<void()>& opener,
              const std::function<void(QWidget&)>& inside = {}) {
        Seen seen{name, false, false, {}};
        const QList<QPointer<QWidget>> before = shownWindows();
        bool returned = false;
        bool finished = false;
        QPointer<QWidget> window;
        QElapsedTimer since;
        since.start();
        QTimer poll;
        QObject::connect(&poll, &QTimer::timeout, [&] {
            if (!window) {
                window = newWindow(before);
                if (!window) {
                    if (since.elapsed() > kWaitMs) {
                        poll.stop();
                        finished = true;
                    }
                    return;
                }
                seen.modal = window->isModal();
                since.restart();
            }
            const XWindow x = testing::askXServer(window->winId());
            const bool shown = x.viewable && (!seen.modal || (x.active && x.topmost));
            if (!shown && since.elapsed() < kWaitMs) {
                return;
            }
            poll.stop();
            QTest::qWait(kSettleMs);
            seen.opened = true;
            seen.x = testing::askXServer(window->winId());
            picture(name);
            if (inside) {
                inside(*window);
            }
            if (auto* dialog = qobject_cast<QDialog*>(window.data())) {
                dialog->reject();
            } else if (window) {
                window->close();
            }
            finished = true;
        });
        poll.start(50);
        QTimer::singleShot(0, [&] {
            opener();
            returned = true;
        });
        EXPECT_TRUE(QTest::qWaitFor([&] { return finished && returned; }, 4 * kWaitMs))
            << name.toStdString() << " did not close";
        seen_.append(seen);
        return seen;
    }

    Seen openByButton(QWidget& window, const QString& name, const QString& button,
                      const std::function<void(QWidget&)>& inside = {}) {
        QAbstractButton* found = buttonOf(window, button);
        return open(
            name,
            [found] {
                if (found)
                    found->click();
            },
            inside);
    }

    // The font dialog answers from the script like the questions; here it is shown for real.
    Seen openFontDialog(QWidget& window, const QString& name, const QString& button) {
        Prompts::stopScripting();
        Seen seen = openByButton(window, name, button);
        Prompts::startScripting();
        return seen;
    }

    // Every window this test opened: seen, wholly on the screen, a modal one in front.
    void TearDown() override {
        const QRect screen = testing::xScreen();
        for (const Seen& seen : seen_) {
            const std::string name = seen.name.toStdString();
            EXPECT_TRUE(seen.opened) << name << " did not open";
            if (!seen.opened) {
                continue;
            }
            EXPECT_TRUE(seen.x.viewable) << name << " is not mapped";
            EXPECT_TRUE(screen.contains(seen.x.frame))
                << name << " at " << place(seen.x.frame) << " is not wholly on the screen "
                << place(screen);
            if (seen.modal) {
                EXPECT_TRUE(seen.x.active) << name << " is not the active window";
                EXPECT_TRUE(seen.x.topmost) << name << " is not on top";
                EXPECT_FALSE(seen.x.offersMinimise) << name << " offers to be minimised";
                EXPECT_FALSE(seen.x.offersMaximise) << name << " offers to be maximised";
            }
        }
    }

    // A menu or list that pops up: mapped and wholly on the screen.
    static void lookAtPopup(const QString& name, const std::function<void()>& opener) {
        opener();
        QWidget* popup = nullptr;
        EXPECT_TRUE(QTest::qWaitFor(
            [&] {
                popup = QApplication::activePopupWidget();
                return popup && testing::askXServer(popup->winId()).viewable;
            },
            kWaitMs))
            << name.toStdString() << " did not pop up";
        if (!popup) {
            return;
        }
        QTest::qWait(kSettleMs);
        const XWindow x = testing::askXServer(popup->winId());
        picture(name);
        EXPECT_TRUE(testing::xScreen().contains(x.frame))
            << name.toStdString() << " at " << place(x.frame) << " is not wholly on the screen";
        popup->close();
    }

    // A chart window of a person typed into the entry bar.
    TMeibF* openChart() {
        testing::typePerson(entryBar(), QStringLiteral("山田太郎"), 0, QStringLiteral("1970/05/05"),
                            QStringLiteral("10:30"));
        buttonOf(entryBar(), QStringLiteral("MeiBtn"))->click();
        TMeibF* chart = nullptr;
        EXPECT_TRUE(QTest::qWaitFor(
            [&] {
                const QMdiSubWindow* active = main().mdiArea()->activeSubWindow();
                chart = active ? qobject_cast<TMeibF*>(active->widget()) : nullptr;
                return chart != nullptr;
            },
            kWaitMs));
        return chart;
    }

    QList<Seen> seen_;
    static inline SorvikRun* run_ = nullptr;
    static inline QTemporaryDir* dir_ = nullptr;
    static inline QStringList* startMessages_ = nullptr;
    static inline QString* appDir_ = nullptr;
};

TEST_F(DesktopCheck, TheMainWindowStartsQuietlyMaximisedOnTheScreen) {
    EXPECT_EQ(*startMessages_, QStringList());
    EXPECT_TRUE(main().isMaximized());
    const XWindow x = testing::askXServer(main().winId());
    EXPECT_TRUE(x.viewable);
    EXPECT_TRUE(testing::xScreen().contains(x.frame)) << place(x.frame);
    picture(QStringLiteral("main-window"));
}

TEST_F(DesktopCheck, TheFileMenuOpensTheStarListBackupAndAnnouncements) {
    open(
        QStringLiteral("star-list"), [] { item(MainAction::StarListItem)->trigger(); },
        [this](QWidget& list) {
            openByButton(list, QStringLiteral("star-list-print-preview"),
                         QStringLiteral("PrevBtn"));
            openFontDialog(list, QStringLiteral("star-list-font"), QStringLiteral("FontBtn"));
        });
    open(
        QStringLiteral("backup"), [] { item(MainAction::BackItem)->trigger(); },
        [this](QWidget& backup) {
            openByButton(backup, QStringLiteral("backup-help"), QStringLiteral("HelpBtn"));
        });
    open(QStringLiteral("announcements"), [] { item(MainAction::InfItem)->trigger(); });
}

TEST_F(DesktopCheck, TheEditMenuOpensTheEditorsTheirListsAndHelp) {
    const std::pair<MainAction, const char*> editors[] = {
        {MainAction::SSetuItem, "star-descriptions"},
        {MainAction::HSetuItem, "palace-descriptions"},
        {MainAction::DSetuItem, "combination-descriptions"},
        {MainAction::KSetuItem, "pattern-descriptions"},
    };
    for (const auto& [which, name] : editors) {
        const QString editor = QString::fromLatin1(name);
        open(
            editor, [which] { item(which)->trigger(); },
            [this, editor](QWidget& window) {
                openByButton(window, editor + QStringLiteral("-help"), QStringLiteral("HelpBtn"));
                openByButton(window, editor + QStringLiteral("-list"), QStringLiteral("ListBtn"),
                             [this, editor](QWidget& list) {
                                 openByButton(list, editor + QStringLiteral("-list-print-preview"),
                                              QStringLiteral("PrevBtn"));
                                 openFontDialog(list, editor + QStringLiteral("-list-font"),
                                                QStringLiteral("FontBtn"));
                             });
            });
    }
    open(
        QStringLiteral("calendar-editor"), [] { item(MainAction::KHyoItem)->trigger(); },
        [this](QWidget& editor) {
            openByButton(editor, QStringLiteral("calendar-editor-help"), QStringLiteral("HelpBtn"));
        });
}

TEST_F(DesktopCheck, TheSettingsMenuOpensTheThreeSettingsDialogs) {
    const std::pair<MainAction, const char*> dialogs[] = {
        {MainAction::SysItem, "system-settings"},
        {MainAction::USysItem, "zi-wei-settings"},
        {MainAction::GaijiItem, "special-characters"},
    };
    for (const auto& [which, name] : dialogs) {
        const QString dialog = QString::fromLatin1(name);
        open(
            dialog, [which] { item(which)->trigger(); },
            [this, dialog](QWidget& window) {
                openByButton(window, dialog + QStringLiteral("-help"), QStringLiteral("HelpBtn"));
                // The first page of the system settings has nothing to print; the star table
                // has, and a colour for the star chosen in it.
                if (auto* pages = window.findChild<QTabWidget*>();
                    pages && dialog == QStringLiteral("system-settings")) {
                    openFontDialog(window, dialog + QStringLiteral("-font"),
                                   QStringLiteral("命盤"));
                    pages->setCurrentIndex(2);
                    auto* stars = pages->currentWidget()->findChild<QTableView*>();
                    ASSERT_NE(stars, nullptr);
                    stars->setCurrentIndex(stars->model()->index(0, 0));
                    openByButton(window, dialog + QStringLiteral("-colour"),
                                 QStringLiteral("ColorBtn"));
                }
                if (window.findChild<QAbstractButton*>(QStringLiteral("PrevBtn"))) {
                    openByButton(window, dialog + QStringLiteral("-print-preview"),
                                 QStringLiteral("PrevBtn"));
                }
            });
    }
}

TEST_F(DesktopCheck, TheToolsAndHelpMenusOpenTheirWindows) {
    open(QStringLiteral("tools"), [] { item(MainAction::ToolsItem)->trigger(); });
    open(QStringLiteral("help-contents"), [] { item(MainAction::ContentsItem)->trigger(); });
    open(
        QStringLiteral("about"), [] { item(MainAction::AboutItem)->trigger(); },
        [this](QWidget& about) {
            open(QStringLiteral("about-f1"), [&about] {
                QTest::keyClick(about.focusWidget() ? about.focusWidget() : &about, Qt::Key_F1);
            });
        });
    open(QStringLiteral("support-page"), [] { item(MainAction::W1)->trigger(); });
}

TEST_F(DesktopCheck, TheEditButtonPopsUpTheEditorsMenu) {
    lookAtPopup(QStringLiteral("edit-button-menu"), [] { item(MainAction::EditBtn)->trigger(); });
}

TEST_F(DesktopCheck, TheNameListOpensFromItsButton) {
    open(
        QStringLiteral("name-list"), [] { item(MainAction::NListBtn)->trigger(); },
        [this](QWidget& list) {
            lookAtPopup(QStringLiteral("name-list-popup-menu"), [&list] {
                list.findChild<QMenu*>(QStringLiteral("PopupMenu1"))
                    ->popup(list.mapToGlobal(list.rect().center()));
            });
            openByButton(list, QStringLiteral("name-list-print-preview"),
                         QStringLiteral("PrevBtn"));
        });
}

TEST_F(DesktopCheck, TheChartWindowOpensItsPreviewPalaceDetailAndLuck) {
    TMeibF* chart = openChart();
    ASSERT_NE(chart, nullptr);
    QTest::qWait(kSettleMs);  // the screen still shows the windows closed before it
    picture(QStringLiteral("chart"));
    openByButton(*chart, QStringLiteral("chart-print-preview"), QStringLiteral("PrtBtn"));
    open(
        QStringLiteral("palace-detail"), [chart] { chart->selectPalace(engine::Branch{4}); },
        [this](QWidget& detail) {
            QComboBox* palaces = static_cast<TKyuSF&>(detail).palaceSelector();
            lookAtPopup(QStringLiteral("palace-detail-palace-list"),
                        [palaces] { palaces->showPopup(); });
            QAction* print = nullptr;
            for (QAction* action : detail.findChildren<QAction*>()) {
                print = action->text() == QStringLiteral("星の一覧の印刷") ? action : print;
            }
            ASSERT_NE(print, nullptr);
            open(QStringLiteral("palace-detail-print-preview"), [print] { print->trigger(); });
        });
    lookAtPopup(QStringLiteral("palace-detail-popup-menu"), [] {
        auto* detail = main().findChild<TKyuSF*>();
        detail->show();
        detail->findChild<QMenu*>(QStringLiteral("PopupMenu1"))
            ->popup(detail->mapToGlobal(detail->rect().center()));
    });
    main().findChild<TKyuSF*>()->close();
    lookAtPopup(QStringLiteral("chart-output-menu"),
                [chart] { buttonOf(*chart, QStringLiteral("OutBtn"))->click(); });
    lookAtPopup(QStringLiteral("chart-popup-menu"), [chart] {
        chart->popupMenu()->popup(chart->mapToGlobal(chart->rect().bottomRight()));
    });
    buttonOf(*chart, QStringLiteral("KouBtn"))->click();
    QTest::qWait(kSettleMs);
    picture(QStringLiteral("luck"));
    lookAtPopup(QStringLiteral("luck-popup-menu"), [] {
        QWidget* luck = main().mdiArea()->activeSubWindow()->widget();
        luck->findChild<QMenu*>(QStringLiteral("PopupMenu1"))
            ->popup(luck->mapToGlobal(luck->rect().bottomRight()));
    });
    for (QMdiSubWindow* child : main().mdiArea()->subWindowList()) {
        const QRect area(main().mdiArea()->mapToGlobal(QPoint()), main().mdiArea()->size());
        EXPECT_TRUE(area.contains(QRect(child->mapToGlobal(QPoint()), child->size())))
            << child->windowTitle().toStdString() << " lies outside the main window";
    }
    main().closeAll();
}

TEST_F(DesktopCheck, TheEntryBarOpensTheEraDateEntryAndTheTimeList) {
    testing::typePerson(entryBar(), QStringLiteral("山田太郎"), 0, QStringLiteral("1970/05/05"),
                        QStringLiteral("10:30"));
    for (const auto& [label, name] :
         {std::pair{"DLabel", "era-date-entry"}, std::pair{"TLabel", "time-list"}}) {
        QWidget* pressed = entryBar().findChild<QWidget*>(QString::fromLatin1(label));
        ASSERT_NE(pressed, nullptr) << label;
        open(QString::fromLatin1(name), [pressed] { QTest::mouseClick(pressed, Qt::LeftButton); });
    }
}

// The window chosen from the window list after すべてをｱｲｺﾝ化 comes back as the active one.
TEST_F(DesktopCheck, TheWindowListActivatesTheChosenChart) {
    const std::pair<const char*, int> persons[] = {{"山田太郎", 0}, {"佐藤花子", 1}};
    for (const auto& [name, sex] : persons) {
        testing::typePerson(entryBar(), QString::fromUtf8(name), sex, QStringLiteral("1970/05/05"),
                            QStringLiteral("10:30"));
        buttonOf(entryBar(), QStringLiteral("MeiBtn"))->click();
    }
    ASSERT_EQ(main().mdiArea()->subWindowList().size(), 2);
    item(MainAction::MinimiseItem)->trigger();
    QTest::qWait(kSettleMs);
    emit main().windowMenu()->aboutToShow();
    const QString chosen = QStringLiteral("佐藤花子 さんの命盤");
    QAction* entry = nullptr;
    for (QAction* action : main().windowMenu()->actions()) {
        entry = action->text() == chosen ? action : entry;
    }
    ASSERT_NE(entry, nullptr);
    entry->trigger();
    QTest::qWait(kSettleMs);
    picture(QStringLiteral("window-list-chosen"));
    const QMdiSubWindow* active = main().mdiArea()->activeSubWindow();
    ASSERT_NE(active, nullptr);
    EXPECT_EQ(active->windowTitle(), chosen);
    EXPECT_FALSE(active->isMinimized());
    main().closeAll();
}

// The 表示 menu hides and shows a bar; shown again, the window manager shows it too.
TEST_F(DesktopCheck, TheViewMenuHidesAndShowsTheBars) {
    QToolBar* bar = main().toolbar(MainToolbar::SystemBar);
    item(MainAction::SystemBarItem)->trigger();
    QTest::qWait(kSettleMs);
    EXPECT_FALSE(bar->isVisible());
    picture(QStringLiteral("view-system-bar-hidden"));
    item(MainAction::SystemBarItem)->trigger();
    QTest::qWait(kSettleMs);
    EXPECT_TRUE(bar->isVisible());
    EXPECT_TRUE(testing::askXServer(main().winId()).viewable);
}

// openbox offers a minimise button on every dialog; a modal one must not go out of reach.
TEST_F(DesktopCheck, AMinimisedModalDialogComesStraightBack) {
    open(
        QStringLiteral("tools-before-minimising"), [] { item(MainAction::ToolsItem)->trigger(); },
        [](QWidget& tools) {
            QProcess::execute(QStringLiteral("xdotool"),
                              {QStringLiteral("windowminimize"), QString::number(tools.winId())});
            EXPECT_TRUE(QTest::qWaitFor(
                [&] {
                    const XWindow x = testing::askXServer(tools.winId());
                    return tools.isMinimized() || !x.viewable;
                },
                kWaitMs))
                << "the window manager did not minimise the dialog";
            EXPECT_TRUE(QTest::qWaitFor(
                [&] {
                    const XWindow x = testing::askXServer(tools.winId());
                    return x.viewable && x.active && x.topmost;
                },
                kWaitMs))
                << "the minimised dialog stayed away";
            QTest::qWait(kSettleMs);
            picture(QStringLiteral("tools-after-minimising"));
        });
}

// A question of the program as the user sees it: in front of its dialog, its title and its
// lines whole.
TEST_F(DesktopCheck, AQuestionOpensInFrontOfItsDialog) {
    open(
        QStringLiteral("backup-for-restore"), [] { item(MainAction::BackItem)->trigger(); },
        [this](QWidget& backup) {
            // A folder with files to restore: the program's own, so that nothing changes.
            static_cast<TBackF&>(backup).folderBox()->setText(*appDir_);
            Prompts::stopScripting();
            open(
                QStringLiteral("restore-question"),
                [&backup] { buttonOf(backup, QStringLiteral("RestoreBtn"))->click(); },
                [](QWidget& box) {
                    auto* question = qobject_cast<QMessageBox*>(&box);
                    ASSERT_NE(question, nullptr);
                    EXPECT_NE(question->button(QMessageBox::No), nullptr)
                        << question->text().toStdString();
                    question->buttons().constLast()->click();
                });
            Prompts::startScripting();
        });
}

// A start-up message opens while the splash, which stays on top, is still shown: it must come
// in front of it all the same.
TEST(StartUpMessages, OpenInFrontOfTheSplash) {
    struct Case {
        const char* name;
        std::function<void(const QString& appDir, platform::KeyStore& keys)> damage;
    };
    const Case cases[] = {
        {"bad-special-character",
         [](const QString&, platform::KeyStore& keys) {
             keys.writeText(platform::programKey(QStringLiteral("Sys")), QStringLiteral("Gaiji1"),
                            QStringLiteral("8E4"));
         }},
        {"damaged-star-table",
         [](const QString& appDir, platform::KeyStore&) {
             QFile table(appDir + QStringLiteral("HOSISUU.DAT"));
             table.open(QIODevice::WriteOnly | QIODevice::Truncate);
             table.write("\x81\x40,,,x\r\n");
         }},
    };
    Prompts::stopScripting();
    QApplication::setApplicationName(TMainF::applicationTitle());
    QDir().mkpath(pictureFolder());
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        QTemporaryDir dir;
        const QString appDir = dir.filePath(QStringLiteral("bin")) + u'/';
        copyProgramFolder(appDir);
        const QString keyPath = dir.filePath(QStringLiteral("registry.ini"));
        {
            // A store of an earlier run, which a start takes for whole.
            platform::KeyStore keys(keyPath);
            keys.writeText(platform::programKey(), QStringLiteral("Dir"), appDir);
            keys.writeText(platform::programKey(), QStringLiteral("Ver"), QStringLiteral("2690"));
            c.damage(appDir, keys);
            keys.sync();
        }
        struct Box {
            QString text;
            XWindow x;
            bool splashShown = false;
        };
        QList<Box> boxes;
        QPointer<QMessageBox> watched;
        QElapsedTimer since;
        QTimer poll;
        QObject::connect(&poll, &QTimer::timeout, [&] {
            QMessageBox* box = nullptr;
            for (QWidget* window : QApplication::topLevelWidgets()) {
                if (auto* shown = qobject_cast<QMessageBox*>(window); shown && shown->isVisible()) {
                    box = shown;
                }
            }
            if (!box) {
                return;
            }
            if (box != watched) {
                watched = box;
                since.restart();
            }
            const XWindow x = testing::askXServer(box->winId());
            if (!(x.active && x.topmost) && since.elapsed() < kWaitMs) {
                return;
            }
            bool splashShown = false;
            for (QWidget* window : QApplication::topLevelWidgets()) {
                if (qobject_cast<TTitleF*>(window)) {
                    splashShown = splashShown || testing::askXServer(window->winId()).viewable;
                }
            }
            boxes.append({box->text(), x, splashShown});
            picture(QStringLiteral("start-up-") + QString::fromLatin1(c.name));
            box->done(QMessageBox::Ok);
        });
        poll.start(50);
        std::unique_ptr<SorvikRun> run = startSorvik(appDir, keyPath, true);
        poll.stop();
        ASSERT_FALSE(boxes.isEmpty()) << "no start-up message";
        for (const Box& box : boxes) {
            const std::string text = box.text.toStdString();
            EXPECT_TRUE(box.x.active) << text << " is not the active window";
            EXPECT_TRUE(box.x.topmost) << text << " is not on top";
            EXPECT_FALSE(box.splashShown) << text << " opened with the splash still shown";
        }
    }
}

}  // namespace
}  // namespace sorvik::ui
