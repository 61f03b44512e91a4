#include <QApplication>
#include <QFileInfo>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QStatusBar>
#include <QTest>
#include <QToolBar>

#include "platform/profile_file.h"
#include "shell_fixture.h"
#include "ui/shell/name_file_commands.h"
#include "ui/shell/window_commands.h"

#include <gtest/gtest.h>

namespace sorvik::ui {
namespace {

using platform::Prompts;

const QString kProduct = "Software\\Velmora\\TQLX4";
const QString kSys = "Software\\Velmora\\TQLX4\\Sys";

QMdiSubWindow* addSizedChild(TMainF& window, const QString& title, QSize size) {
    auto* content = new QLabel(title);
    content->setWindowTitle(title);
    QMdiSubWindow* child = window.addChild(content);
    child->resize(size);
    return child;
}

TEST(Tile, FillsRowsLeftToRightWithoutResizing) {
    const QSize w400(400, 300);
    EXPECT_EQ(tilePositions({w400, QSize(400, 250), w400}, 1000),
              QList<QPoint>({{0, 0}, {400, 0}, {0, 250}}));  // the third below the second
    EXPECT_EQ(tilePositions({QSize(1200, 500)}, 1000), QList<QPoint>({{0, 0}}));
    EXPECT_EQ(tilePositions({QSize(1200, 500), w400}, 1000), QList<QPoint>({{0, 0}, {0, 500}}));
}

TEST(Tile, PlacesChildrenInOrderOfLastActivation) {
    testing::ShellFixture shell;
    auto window = shell.makeWindow();
    window->show();
    QMdiArea* area = window->mdiArea();
    area->setFixedWidth(1000 + area->width() - area->viewport()->width());
    QApplication::processEvents();
    ASSERT_EQ(area->viewport()->width(), 1000);

    QMdiSubWindow* a = addSizedChild(*window, "A", {400, 200});
    QMdiSubWindow* b = addSizedChild(*window, "B", {400, 220});
    QMdiSubWindow* c = addSizedChild(*window, "C", {400, 240});
    area->setActiveSubWindow(b);
    area->setActiveSubWindow(a);
    area->setActiveSubWindow(c);  // order now C, A, B
    window->action(MainAction::TileItem)->trigger();

    EXPECT_EQ(c->pos(), QPoint(0, 0));
    EXPECT_EQ(a->pos(), QPoint(400, 0));
    EXPECT_EQ(b->pos(), QPoint(0, 200));
    EXPECT_EQ(b->size(), QSize(400, 220));

    // From minimised windows: they come back at their own sizes first, then take their places.
    window->action(MainAction::MinimiseItem)->trigger();
    ASSERT_TRUE(a->isMinimized() && b->isMinimized() && c->isMinimized());
    const QList<QMdiSubWindow*> order = windowOrder(*area);
    window->action(MainAction::TileItem)->trigger();
    EXPECT_FALSE(a->isMinimized() || b->isMinimized() || c->isMinimized());
    EXPECT_EQ(a->size(), QSize(400, 200));
    EXPECT_EQ(b->size(), QSize(400, 220));
    EXPECT_EQ(c->size(), QSize(400, 240));
    QList<QSize> sizes;
    for (const QMdiSubWindow* child : order) {
        sizes.append(child->size());
    }
    const QList<QPoint> places = tilePositions(sizes, 1000);
    for (qsizetype i = 0; i < order.size(); ++i) {
        EXPECT_EQ(order[i]->pos(), places[i]) << order[i]->windowTitle().toStdString();
    }
}

TEST(WindowCommands, EnabledExactlyWhileAChildExists) {
    testing::ShellFixture shell;
    auto window = shell.makeWindow();
    window->show();
    const QStringList commands = {"CascadeItem", "TileItem", "CloseAllItem", "MinimiseItem",
                                  "CascadeBtn",  "TileBtn",  "CloseBtn",     "MiniBtn"};
    auto enabled = [&] {
        QStringList on;
        for (const QString& name : commands) {
            if (window->findChild<QAction*>(name)->isEnabled()) {
                on.append(name);
            }
        }
        return on;
    };
    EXPECT_EQ(enabled(), QStringList());

    QMdiSubWindow* first = addSizedChild(*window, "山田 さんの命盤", {300, 200});
    EXPECT_EQ(enabled(), commands);
    addSizedChild(*window, "山田 さんの行運", {300, 200});

    // The window list names every child, the active one marked.
    QMenu* menu = window->windowMenu();
    emit menu->aboutToShow();
    QStringList listed;
    for (QAction* item : menu->actions().mid(4)) {
        listed.append(item->isSeparator() ? "-" : item->text() + (item->isChecked() ? "*" : ""));
    }
    EXPECT_EQ(listed, QStringList({"-", "山田 さんの命盤", "山田 さんの行運*"}));

    first->close();
    QApplication::processEvents();
    EXPECT_EQ(enabled(), commands);
    window->action(MainAction::CloseAllItem)->trigger();
    QApplication::processEvents();
    QApplication::processEvents();
    EXPECT_TRUE(window->mdiArea()->subWindowList().isEmpty());
    EXPECT_EQ(enabled(), QStringList());
}

// 編 only opens its four editors: it is off while they all are.
TEST(WindowCommands, TheEditButtonFollowsItsEditors) {
    testing::ShellFixture shell;
    auto window = shell.makeWindow();
    EXPECT_FALSE(window->action(MainAction::EditBtn)->isEnabled());
    window->action(MainAction::DSetuItem)->setEnabled(true);
    EXPECT_TRUE(window->action(MainAction::EditBtn)->isEnabled());
    window->action(MainAction::DSetuItem)->setEnabled(false);
    EXPECT_FALSE(window->action(MainAction::EditBtn)->isEnabled());
}

TEST(ToolbarLayout, RoundTripsThroughTheLayoutFile) {
    testing::ShellFixture shell;
    {
        auto window = shell.makeWindow();
        window->show();
        QToolBar* system = window->toolbar(MainToolbar::SystemBar);
        window->removeToolBar(system);
        window->addToolBar(Qt::RightToolBarArea, system);
        system->show();
        window->action(MainAction::WindowBarItem)->trigger();  // hide it
        EXPECT_TRUE(window->toolbar(MainToolbar::WindowBar)->isHidden());
        QApplication::processEvents();
        window->close();
    }
    const platform::ProfileFile ini(QDir(shell.appDir).filePath("TQLX4.ini"));
    EXPECT_EQ(ini.sections(), QStringList({"TBarPosMenuBar", "TBarPosEntBar", "TBarPosSystemBar",
                                           "TBarPosWindowBar", "TBarPosNetbar"}));
    EXPECT_EQ(ini.keys("TBarPosSystemBar"),
              QStringList({"Rev", "Visible", "DockedTo", "LastDock", "DockRow", "DockPos",
                           "FloatLeft", "FloatTop"}));
    EXPECT_EQ(ini.readString("TBarPosSystemBar", "DockedTo"), "Dock973");
    EXPECT_EQ(ini.readInteger("TBarPosSystemBar", "Rev", 0), 3);
    EXPECT_EQ(ini.readInteger("TBarPosWindowBar", "Visible", -1), 0);
    EXPECT_EQ(ini.readString("TBarPosEntBar", "DockedTo"), "Dock97");
    EXPECT_EQ(ini.readInteger("TBarPosEntBar", "DockRow", -1), 1);  // below the menus
    EXPECT_EQ(ini.readString("TBarPosNetbar", "DockedTo"), "Dock971");

    // A hidden entry bar comes back anyway; a section of another revision is not read.
    platform::ProfileFile edited(ini.path());
    edited.writeInteger("TBarPosEntBar", "Visible", 0);
    edited.writeInteger("TBarPosNetbar", "Rev", 1);
    edited.writeString("TBarPosNetbar", "DockedTo", "Dock972");
    edited.save();

    auto window = shell.makeWindow();
    window->show();
    QApplication::processEvents();
    EXPECT_EQ(window->toolBarArea(window->toolbar(MainToolbar::SystemBar)), Qt::RightToolBarArea);
    EXPECT_TRUE(window->toolbar(MainToolbar::WindowBar)->isHidden());
    EXPECT_FALSE(window->action(MainAction::WindowBarItem)->isChecked());
    EXPECT_TRUE(window->toolbar(MainToolbar::EntBar)->isVisible());
    EXPECT_EQ(window->toolBarArea(window->toolbar(MainToolbar::Netbar)), Qt::LeftToolBarArea);
    EXPECT_GT(window->toolbar(MainToolbar::EntBar)->y(),
              window->toolbar(MainToolbar::MenuBar)->y());

    window->action(MainAction::WindowBarItem)->trigger();
    EXPECT_TRUE(window->toolbar(MainToolbar::WindowBar)->isVisible());
    EXPECT_EQ(window->toolBarArea(window->toolbar(MainToolbar::WindowBar)), Qt::LeftToolBarArea);
}

TEST(ExitSequence, AsksForTheNameFileAndStoresTheShellsValues) {
    testing::ShellFixture shell;
    QRect normalGeometry;
    {
        auto window = shell.makeWindow();
        EXPECT_TRUE(window->windowState() & Qt::WindowMaximized);  // first run
        EXPECT_EQ(shell.keys->readText(kProduct, "Dir"), shell.appDir);
        EXPECT_EQ(shell.keys->readText(kProduct, "Ver"), "2690");
        EXPECT_EQ(window->defNameFile(), "Default.nam");
        EXPECT_EQ(window->defSysFile(), "DEFAULT.SET");
        window->show();
        window->action(MainAction::StsBarItem)->trigger();
        EXPECT_FALSE(window->statusBar()->isVisible());
        // A new list without a change still asks, and Yes writes it into the program folder.
        ASSERT_TRUE(newNameFile(shell.context().nameFiles()));
        Prompts::queueAnswer(platform::Answer::Yes);
        const int beeps = Prompts::beepCount();
        window->showNormal();
        window->setGeometry(40, 50, 700, 500);
        QApplication::processEvents();
        normalGeometry = window->geometry();
        EXPECT_TRUE(window->close());
        EXPECT_EQ(Prompts::beepCount(), beeps + 1);
    }
    ASSERT_FALSE(Prompts::shownBoxes().isEmpty());
    EXPECT_EQ(Prompts::shownBoxes().back().text, "名前ﾃﾞｰﾀが更新されています。保存しますか？");
    EXPECT_EQ(Prompts::shownBoxes().back().buttons, platform::BoxButtons::YesNoCancel);
    EXPECT_TRUE(QFileInfo::exists(QDir(shell.appDir).filePath("NewFile.nam")));
    EXPECT_EQ(shell.keys->readText(kSys, "StsBar"), "0");
    EXPECT_EQ(shell.keys->readText(kSys, "DefNameFile"), "Default.nam");
    EXPECT_EQ(shell.keys->readText(kSys, "DefSysFile"), "DEFAULT.SET");
    EXPECT_FALSE(shell.keys->readBinary(kProduct, "MainFWinPlace1").isEmpty());
    EXPECT_TRUE(QFileInfo::exists(QDir(shell.appDir).filePath("TQLX4.ini")));

    // The next start: normal state at the stored place, status bar off, the settings file
    // that now exists, and no question when nothing changed.
    shell.writeFile("Default.ini", "[Sys]\r\n");
    shell.keys->removeValue(kSys, "DefSysFile");
    Prompts::clearShownBoxes();
    auto window = shell.makeWindow();
    EXPECT_FALSE(window->windowState() & Qt::WindowMaximized);
    EXPECT_EQ(window->defSysFile(), "Default.ini");
    window->show();
    QApplication::processEvents();
    EXPECT_EQ(window->geometry().size(), normalGeometry.size());
    EXPECT_FALSE(window->statusBar()->isVisible());
    EXPECT_TRUE(window->close());
    EXPECT_TRUE(Prompts::shownBoxes().isEmpty());
    EXPECT_EQ(shell.keys->readText(kSys, "DefSysFile"), "Default.ini");
}

// キャンセル to the exit question calls a mistaken exit back: the program runs on with its
// persons, nothing is written; いいえ then ends it without saving.
TEST(ExitSequence, CancelKeepsTheProgramAndTheNameList) {
    testing::ShellFixture shell;
    auto window = shell.makeWindow();
    window->show();
    records::NameList& persons = shell.context().nameList();
    records::NameList::Row person{};
    person[records::NameList::kName] = "山田太郎";
    persons.append(person);
    shell.context().nameFiles().setNameListModified(true);
    const int rows = persons.rowCount();
    const QString file = QDir(shell.appDir).filePath(window->currentNameFile());
    const auto stored = [&file] {
        QFile f(file);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("none");
    };
    const QByteArray before = stored();

    Prompts::queueAnswer(platform::Answer::Cancel);
    EXPECT_FALSE(window->close());
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(persons.rowCount(), rows);
    EXPECT_EQ(persons.cell(rows - 1, records::NameList::kName), "山田太郎");
    EXPECT_TRUE(window->nameListModified());
    EXPECT_EQ(stored(), before);
    EXPECT_FALSE(shell.keys->hasValue(kSys, "StsBar")) << "nothing of the exit ran";

    Prompts::queueAnswer(platform::Answer::No);
    EXPECT_TRUE(window->close());
    EXPECT_EQ(stored(), before);
}

}  // namespace
}  // namespace sorvik::ui
