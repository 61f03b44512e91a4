#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QStatusBar>
#include <QTest>
#include <QToolBar>
#include <QToolButton>

#include <gtest/gtest.h>

#include "platform/text_file.h"
#include "records/recent_files.h"
#include "shell_fixture.h"
#include "ui/chart/chart_grid_view.h"
#include "ui/chart/chart_window.h"
#include "ui/chart/pattern_list.h"
#include "ui/entry/entry_bar.h"
#include "ui/help/about_box.h"
#include "ui/help/help_window.h"
#include "ui/names/name_grid.h"
#include "ui/names/name_list_window.h"
#include "ui/names/name_windows.h"
#include "ui/settings/gaiji_dialog.h"
#include "ui/settings/settings_windows.h"
#include "ui/settings/system_settings_dialog.h"
#include "ui/settings/zi_wei_settings_dialog.h"
#include "ui/shell/chart_requests.h"
#include "ui/shell/startup.h"

namespace sorvik::ui {
namespace {

using platform::Answer;
using platform::Prompts;

// The main window as the program builds it, over the shipped settings, tables and calendar.
class MainWindowChart : public ::testing::Test {
  protected:
    MainWindowChart() {
        shell.copyShippedFiles(SORVIK_DATA_DIR, SORVIK_BIN_DIR);
        start();
    }

    // As the program starts: the main window, then the windows of the run.
    void start() {
        Prompts::clearShownBoxes();
        window = shell.makeWindow();
        shell.startLongLivedWindows(*window,
                                    [this] { boxesAtSplashEnd = Prompts::shownBoxes().size(); });
        bar = &shell.windows->requests.entryBar();
        window->resize(1280, 900);
        window->show();
        startMessages = Prompts::shownTexts();
        Prompts::clearShownBoxes();
    }

    void type(const QString& name, int sex, const QString& date, const QString& time) const {
        testing::typePerson(*bar, name, sex, date, time);
    }
    QList<QMdiSubWindow*> children() const { return window->mdiArea()->subWindowList(); }
    QString title(const QString& file) const { return "Sorvik Ver2.69  [" + file + "]"; }
    QString path(const QString& name) const { return shell.dir.filePath(name); }
    static QString line(const QString& stored) { return stored + QString(34, u','); }

    testing::ShellFixture shell;
    std::unique_ptr<TMainF> window;
    EntBar* bar = nullptr;
    QStringList startMessages;
    qsizetype boxesAtSplashEnd = -1;
};

TEST_F(MainWindowChart, TheEntryBarOfTheWindowOpensTheChartAndKeepsThePerson) {
    ASSERT_EQ(bar->parentWidget(), window->toolbar(MainToolbar::EntBar));
    EXPECT_TRUE(bar->isVisible());
    // The windows of the run open from their menu items and buttons.
    for (const char* name : {"NewBtn", "OpenItem", "SaveBtn", "SaveAsItem", "SysBtn", "USysItem",
                             "GaijiItem", "NListBtn"}) {
        EXPECT_TRUE(window->findChild<QAction*>(name)->isEnabled()) << name;
    }

    type("山田太郎", 0, "1984/02/02", "12:00");
    QTest::mouseClick(bar->chartButton(), Qt::LeftButton);
    ASSERT_EQ(children().size(), 1);
    EXPECT_EQ(children()[0]->windowTitle(), "山田太郎 さんの命盤");
    EXPECT_FALSE(children()[0]->windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
    EXPECT_TRUE(children()[0]->windowFlags().testFlag(Qt::WindowMinimizeButtonHint));
    const auto* chart = qobject_cast<TMeibF*>(children()[0]->widget());
    ASSERT_NE(chart, nullptr);
    EXPECT_EQ(chart->label("InDate")->text(), "旧暦1984年1月1日午時");
    EXPECT_EQ(chart->label("Kyoku")->text(), "金四局 年:甲子");
    EXPECT_TRUE(chart->label("Mei")->text().startsWith("命宮：申"));
    EXPECT_TRUE(chart->patternList()->names().contains("巨日同格"));
    EXPECT_GT(chart->grid().rowCount(), 0);
    EXPECT_TRUE(window->action(MainAction::TileItem)->isEnabled());

    EXPECT_EQ(shell.context().nameList().cell(0, 0), "山田太郎");
    EXPECT_EQ(shell.context().nameList().cell(0, 3), "12:00");
    EXPECT_TRUE(window->nameListModified());
    EXPECT_TRUE(bar->nameBox()->currentText().isEmpty());

    // The keypad's decimal key in the time box asks for the chart, the full stop does not.
    type("花子", 1, "1990/01/05", "07:05");
    QTest::keyClick(bar->timeBox(), Qt::Key_Period);
    EXPECT_EQ(children().size(), 1);
    QTest::keyClick(bar->timeBox(), Qt::Key_Period, Qt::KeypadModifier);
    ASSERT_EQ(children().size(), 2);
    EXPECT_EQ(shell.context().nameList().rowCount(), 2);

    // Enter moves on as Tab does, round the bar's own fields 性別, 日付, 時間, 氏名, with the
    // charts open.
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    const auto inName = [this] {
        QWidget* focus = QApplication::focusWidget();
        return focus == bar->nameBox() || focus == bar->nameBox()->lineEdit();
    };
    bar->dateBox()->setFocus();
    QTest::keyClick(bar->dateBox(), Qt::Key_Return);
    EXPECT_EQ(QApplication::focusWidget(), bar->timeBox());
    QTest::keyClick(bar->timeBox(), Qt::Key_Tab);
    EXPECT_TRUE(inName());
    bar->timeBox()->setFocus();
    QTest::keyClick(bar->timeBox(), Qt::Key_Enter);
    EXPECT_TRUE(inName());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), bar->sexBox());
    QTest::keyClick(bar->sexBox(), Qt::Key_Backtab);
    EXPECT_TRUE(inName());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
    EXPECT_EQ(QApplication::focusWidget(), bar->timeBox());
}

// What the mouse points at says what it does in the status bar: the entry bar's controls and
// the buttons of the toolbars.
TEST_F(MainWindowChart, EveryHintOfTheBarsShowsInTheStatusBar) {
    struct Case {
        const char* toolbar;
        const char* control;  // a button's action, or a control of the entry bar
        const char* hint;
    };
    const Case cases[] = {
        {"EntBar", "MeiBtn", "命式を作成する"},
        {"EntBar", "KouBtn", "行運を作成する"},
        {"EntBar", "DLabel", "和暦変換入力をします"},
        {"EntBar", "TLabel", "時間一覧ウィンドウから入力します"},
        {"EntBar", "NowBtn", "現在日時を写します"},
        {"SystemBar", "NListBtn", "名前リストの表示"},
        {"SystemBar", "NewBtn", "新規名前ﾃﾞｰﾀ"},
        {"SystemBar", "OpenBtn", "名前ﾃﾞｰﾀを開く"},
        {"SystemBar", "SaveBtn", "名前データの上書き保存"},
        {"SystemBar", "SysBtn", "ｼｽﾃﾑ設定"},
        {"SystemBar", "USysBtn", "紫微斗数の設定"},
        {"SystemBar", "EditBtn", "説明文の編集をします"},
        {"SystemBar", "BackBtn", "ﾃﾞｰﾀﾊﾞｯｸｱｯﾌﾟ・ﾘｽﾄｱ"},
        {"WindowBar", "CloseBtn", "命式・行運を全てクリアする"},
        {"WindowBar", "MiniBtn", "全てをｱｲｺﾝ化"},
        {"WindowBar", "TileBtn", "並べて表示"},
        {"WindowBar", "CascadeBtn", "重ねて表示"},
        {"WindowBar", "HelpBtn", "ﾍﾙﾌﾟ"},
        {"Netbar", "URLBtn", "ｻﾎﾟｰﾄﾎｰﾑﾍﾟｰｼﾞへ接続します"},
        {"Netbar", "InfoBtn", "お知らせ"},
    };
    for (const Case& c : cases) {
        QWidget* control = nullptr;
        if (QAction* action = window->findChild<QAction*>(c.control)) {
            control = window->findChild<QToolBar*>(c.toolbar)->widgetForAction(action);
        } else {
            control = bar->findChild<QWidget*>(c.control);
        }
        ASSERT_NE(control, nullptr) << c.control;
        window->statusBar()->clearMessage();
        QEnterEvent enter(QPointF(1, 1), QPointF(1, 1), QPointF(1, 1));
        QApplication::sendEvent(control, &enter);
        EXPECT_EQ(window->statusBar()->currentMessage(), QString::fromUtf8(c.hint)) << c.control;
        EXPECT_EQ(control->toolTip(), QString::fromUtf8(c.hint)) << c.control;
    }
}

// The buttons of a chart window tell what they do in the main window's status bar too.
TEST_F(MainWindowChart, TheChartButtonsShowTheirHintsInTheStatusBar) {
    type("山田太郎", 0, "1984/02/02", "12:00");
    bar->MeiBtnClick();
    auto* chart = qobject_cast<TMeibF*>(children().front()->widget());
    ASSERT_NE(chart, nullptr);
    const std::pair<const char*, const char*> cases[] = {
        {"BefBtn", "前年の造命をします。"},
        {"NowBtn", "現在日時の造命をします。"},
        {"NextBtn", "翌年の造命をします。"},
        {"PrtBtn", "印刷ﾌﾟﾚﾋﾞｭｰ"},
        {"OutBtn", "説明文の内容等をﾃｷｽﾄに出力します。"},
        {"CopyBtn", "命盤画像をｸﾘｯﾌﾟﾎﾞｰﾄﾞにｺﾋﾟｰします"},
        {"KouBtn", "行運を表示します。"},
    };
    for (const auto& [name, hint] : cases) {
        QPushButton* button = chart->button(name);
        ASSERT_NE(button, nullptr) << name;
        window->statusBar()->clearMessage();
        QEnterEvent enter(QPointF(1, 1), QPointF(1, 1), QPointF(1, 1));
        QApplication::sendEvent(button, &enter);
        EXPECT_EQ(window->statusBar()->currentMessage(), QString::fromUtf8(hint)) << name;
    }
}

TEST_F(MainWindowChart, FileCommandsSaveOpenAndRememberTheNameFile) {
    type("山田太郎", 0, "1984/02/02", "12:00");
    bar->MeiBtnClick();

    // Save as completes the extension; the title follows, the recent files do not.
    Prompts::queueFileName(path("people"));
    window->action(MainAction::SaveAsItem)->trigger();
    const QString people = path("people.nam");
    EXPECT_EQ(platform::readSjisLines(people), QStringList{line("山田太郎,男,1984/02/02,12:00,")});
    EXPECT_EQ(window->currentNameFile(), people);
    EXPECT_EQ(window->windowTitle(), title(people));
    ASSERT_EQ(window->recentFileItems().size(), 1);
    EXPECT_EQ(window->recentFileItems()[0]->text(), "&0 Default.nam");

    // The list is still modified after saving: New asks, Yes saves first.
    Prompts::queueAnswer(Answer::Yes);
    window->action(MainAction::NewBtn)->trigger();
    EXPECT_TRUE(shell.context().nameList().isEmpty());
    EXPECT_FALSE(window->nameListModified());
    EXPECT_EQ(window->windowTitle(), title("NewFile.nam"));

    Prompts::queueFileName(people);
    window->action(MainAction::OpenBtn)->trigger();
    EXPECT_EQ(shell.context().nameList().rowCount(), 1);
    EXPECT_EQ(shell.context().nameList().cell(0, 0), "山田太郎");
    EXPECT_EQ(window->windowTitle(), title(people));
    // The start-up file joined the recent files too, after the one just opened.
    ASSERT_EQ(window->recentFileItems().size(), 2);
    EXPECT_EQ(window->recentFileItems()[0]->text(), "&0 " + people);
    EXPECT_EQ(records::RecentFiles(*shell.keys, TMainF::productKey()).stored(),
              QStringList({people, "Default.nam"}));

    // Save writes to the opened file.
    type("花子", 1, "1990/01/05", "07:05");
    bar->MeiBtnClick();
    window->action(MainAction::SaveItem)->trigger();
    EXPECT_EQ(platform::readSjisLines(people).size(), 2);

    // A recent entry opens its file again.
    Prompts::queueAnswer(Answer::Yes);
    window->action(MainAction::NewItem)->trigger();
    window->recentFileItems()[0]->trigger();
    EXPECT_EQ(shell.context().nameList().rowCount(), 2);
    EXPECT_EQ(window->currentNameFile(), people);

    // Keeping a changed list opens nothing, but the chosen file still joins the recent files.
    const QString other = path("other.nam");
    platform::writeSjisLines(other, {"x,男,2000/1/1,1:00"});
    type("三郎", 0, "1984/03/03", "03:00");
    bar->MeiBtnClick();
    Prompts::queueAnswer(Answer::No);
    Prompts::queueFileName(other);
    window->action(MainAction::OpenItem)->trigger();
    EXPECT_EQ(shell.context().nameList().rowCount(), 3);
    EXPECT_EQ(window->currentNameFile(), people);
    ASSERT_EQ(window->recentFileItems().size(), 3);
    EXPECT_EQ(window->recentFileItems()[0]->text(), "&0 " + other);
    EXPECT_EQ(window->recentFileItems()[1]->text(), "&1 " + people);
}

TEST_F(MainWindowChart, TheStartupNameFileIsLoadedAndJoinsTheRecentFiles) {
    // A first run has no file yet: it says so, and Save makes the file under that name.
    EXPECT_EQ(startMessages, QStringList{"『Default.nam』がありません。"});
    EXPECT_EQ(boxesAtSplashEnd, 0);  // the message is not hidden under the splash
    EXPECT_EQ(window->windowTitle(), "Sorvik Ver2.69");
    type("山田太郎", 0, "1984/02/02", "12:00");
    bar->MeiBtnClick();
    window->action(MainAction::SaveBtn)->trigger();
    const QString stored = QDir(shell.appDir).filePath("Default.nam");
    EXPECT_EQ(platform::readSjisLines(stored), QStringList{line("山田太郎,男,1984/02/02,12:00,")});
    EXPECT_TRUE(window->close());
    window.reset();

    start();
    EXPECT_TRUE(startMessages.isEmpty());
    EXPECT_EQ(window->windowTitle(), title("Default.nam"));
    EXPECT_EQ(shell.context().nameList().cell(0, 0), "山田太郎");
    ASSERT_EQ(window->recentFileItems().size(), 1);
    EXPECT_EQ(window->recentFileItems()[0]->text(), "&0 Default.nam");
    EXPECT_TRUE(window->close());  // nothing changed: no question
    EXPECT_TRUE(Prompts::shownBoxes().isEmpty());
}

TEST_F(MainWindowChart, NameListButtonShowsTheListWhichHidesWhenTheFrameIsActivated) {
    type("山田太郎", 0, "1984/02/02", "12:00");
    bar->MeiBtnClick();
    window->action(MainAction::NListBtn)->trigger();
    TNListF& list = shell.windows->names.nameList();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&list));
    EXPECT_EQ(list.windowTitle(), "入力データ一覧");
    EXPECT_EQ(list.datCount()->text(), "1件");
    EXPECT_EQ(list.grid()->model()->index(0, 0).data().toString(), "山田太郎");

    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    for (int wait = 0; wait < 50 && list.isVisible(); ++wait) {
        QTest::qWait(10);
    }
    EXPECT_FALSE(list.isVisible());
}

TEST_F(MainWindowChart, AFreshInstallStartsQuietlyOnTheShippedEmptyNameFile) {
    window.reset();
    QFile::copy(QDir(SORVIK_DATA_DIR).filePath("Default.nam"), path("bin/Default.nam"));
    start();
    EXPECT_TRUE(startMessages.isEmpty());
    EXPECT_EQ(window->windowTitle(), title("Default.nam"));
    EXPECT_TRUE(shell.context().nameList().isEmpty());
    // The file open from the first start is the first recent file at once.
    ASSERT_EQ(window->recentFileItems().size(), 1);
    EXPECT_EQ(window->recentFileItems()[0]->text(), "&0 Default.nam");
    EXPECT_TRUE(window->close());

    // The next start has it among the recent files, and that entry opens it.
    start();
    ASSERT_EQ(window->recentFileItems().size(), 1);
    window->recentFileItems()[0]->trigger();
    EXPECT_TRUE(Prompts::shownBoxes().isEmpty());
    EXPECT_EQ(window->currentNameFile(), "Default.nam");
}

TEST_F(MainWindowChart, EveryHelpButtonAndF1OpensTheTopicOfItsWindow) {
    const QDir pages(QDir(SORVIK_DATA_DIR).filePath("TQLX4.help"));
    QDir(shell.appDir).mkpath("TQLX4.help");
    for (const QString& page : pages.entryList(QDir::Files)) {
        QFile::copy(pages.filePath(page), path("bin/TQLX4.help/" + page));
    }
    const auto shown = [] {
        const int topic =
            helpWindow() != nullptr && helpWindow()->isVisible() ? helpWindow()->currentTopic() : 0;
        if (helpWindow() != nullptr) {
            helpWindow()->close();
        }
        return topic;
    };
    const auto pressF1 = [] {
        ASSERT_NE(QApplication::focusWidget(), nullptr);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_F1);
    };

    // The main window: F1, the contents, and the support page until a site exists.
    QApplication::setActiveWindow(window.get());
    bar->nameBox()->setFocus();
    pressF1();
    EXPECT_EQ(shown(), TMainF::kHelpTopic);
    for (const MainAction command :
         {MainAction::ContentsItem, MainAction::HelpBtn, MainAction::W1, MainAction::URLBtn}) {
        window->action(command)->trigger();
        EXPECT_EQ(shown(), 1) << static_cast<int>(command);
    }

    // A chart window that has the focus.
    type("山田太郎", 0, "1984/02/02", "12:00");
    bar->MeiBtnClick();
    auto* chart = qobject_cast<TMeibF*>(children().front()->widget());
    ASSERT_NE(chart, nullptr);
    QTest::mouseClick(chart->gridView(), Qt::LeftButton, {}, QPoint(20, 20));
    pressF1();
    EXPECT_EQ(shown(), TMeibF::kHelpTopic);

    // The modal dialogs: the help stands in front of the one that asked, as its own window.
    SettingsWindows& settings = shell.windows->settings;
    const std::pair<QDialog*, int> dialogs[] = {
        {&settings.systemDialog(), TSysF::kHelpTopic},
        {&settings.ziWeiDialog(), TUSysF::kHelpTopic},
        {&settings.specialCharDialog(), TGaijiF::kHelpTopic},
    };
    for (const auto& [dialog, topic] : dialogs) {
        dialog->setWindowModality(Qt::ApplicationModal);
        dialog->show();
        QApplication::setActiveWindow(dialog);
        ASSERT_EQ(QApplication::activeModalWidget(), dialog);
        dialog->findChild<QPushButton*>("HelpBtn")->click();
        EXPECT_EQ(helpWindow()->parentWidget(), dialog) << topic;
        EXPECT_TRUE(helpWindow()->isWindow());
        EXPECT_EQ(shown(), topic);
        dialog->findChild<QPushButton*>("HelpBtn")->setFocus();
        pressF1();
        EXPECT_EQ(shown(), topic);
        dialog->hide();
    }

    // Modal, as the menu opens it: the main window's F1 cannot answer for it.
    auto* about = new AboutBox(window->supportAddress(), shell.appDir, window.get());
    about->setWindowModality(Qt::ApplicationModal);
    about->show();
    QApplication::setActiveWindow(about);
    about->setFocus();
    pressF1();
    EXPECT_EQ(shown(), AboutBox::kHelpTopic);
    auto* link = about->findChild<QLabel*>("SupportLink");
    emit link->linkActivated(link->text());
    EXPECT_EQ(shown(), 1);
    about->close();
    EXPECT_TRUE(Prompts::shownBoxes().isEmpty());
}

TEST_F(MainWindowChart, ExitSavesOnRequestAndAFailedSaveKeepsTheWindowOpen) {
    type("山田太郎", 0, "1984/02/02", "12:00");
    bar->MeiBtnClick();
    shell.context().nameFiles().setCurrentNameFile(path("missing/names.nam"));

    Prompts::clearShownBoxes();
    Prompts::queueAnswer(Answer::Yes);
    EXPECT_FALSE(window->close());
    ASSERT_EQ(Prompts::shownBoxes().size(), 2);
    EXPECT_EQ(Prompts::shownBoxes()[0].text, "名前ﾃﾞｰﾀが更新されています。保存しますか？");
    EXPECT_EQ(Prompts::shownBoxes()[1].style, platform::BoxStyle::Error);
    EXPECT_TRUE(window->isVisible());

    Prompts::queueFileName(path("kept.nam"));
    window->action(MainAction::SaveAsItem)->trigger();
    Prompts::queueAnswer(Answer::Yes);
    EXPECT_TRUE(window->close());
    EXPECT_EQ(platform::readSjisLines(path("kept.nam")).size(), 1);
}

}  // namespace
}  // namespace sorvik::ui
