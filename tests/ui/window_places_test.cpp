// Where windows open and come back: on the screen, where they were left, in the state they
// were left in.

#include <QApplication>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QScreen>
#include <QStandardItemModel>
#include <QTableView>
#include <QTest>
#include <QToolBar>
#include <QToolButton>

#include "platform/profile_file.h"
#include "platform/window_placement.h"
#include "shell_fixture.h"
#include "ui/print/print_preview.h"
#include "ui/print/table_print_grid.h"
#include "ui/shell/toolbar_frame.h"

#include <gtest/gtest.h>

namespace sorvik::ui {
namespace {

TEST(FitInside, KeepsTheWholeFrameOnTheScreen) {
    const QRect screen(0, 0, 1600, 1000);
    struct Case {
        QRect frame;
        QRect fitted;
    };
    const Case cases[] = {
        {{100, 100, 640, 520}, {100, 100, 640, 520}},     // already on it
        {{960, 495, 640, 520}, {960, 480, 640, 520}},     // the help seen cut at the bottom
        {{1200, -40, 500, 300}, {1100, 0, 500, 300}},     // off the top and the right
        {{-300, 200, 400, 300}, {0, 200, 400, 300}},      // off the left
        {{5000, 5000, 400, 300}, {1200, 700, 400, 300}},  // a screen that is gone
        {{10, 10, 2000, 1200}, {0, 0, 1600, 1000}},       // larger than the screen
    };
    for (const Case& c : cases) {
        EXPECT_EQ(platform::fitInside(c.frame, screen), c.fitted)
            << c.frame.x() << "," << c.frame.y();
    }
    EXPECT_EQ(platform::fitInside({1700, 10, 200, 100}, {1600, 0, 1280, 1024}),
              QRect(1700, 10, 200, 100));  // a second screen
}

TEST(WindowPlaces, EveryWindowShownLiesWhollyOnTheScreen) {
    QWidget parent;
    parent.resize(300, 200);
    parent.show();
    const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
    QWidget stored(&parent, Qt::Window);
    stored.resize(300, 200);
    stored.move(area.right() - 100, area.bottom() - 50);  // a place left on a larger screen
    stored.show();
    QWidget unplaced(&parent, Qt::Window);
    unplaced.resize(200, 100);
    unplaced.show();
    QApplication::processEvents();
    for (const QWidget* window : {&stored, &unplaced}) {
        EXPECT_TRUE(area.contains(window->frameGeometry())) << window->frameGeometry().x();
    }
    // One that has never been placed opens over its parent.
    EXPECT_EQ(unplaced.frameGeometry().center(), parent.frameGeometry().center());
}

TEST(WindowPlaces, ThePrintPreviewComesBackWhereItWasLeft) {
    testing::ShellFixture shell;
    QStandardItemModel model(3, 2);
    QTableView view;
    view.setModel(&model);
    const TablePrintGrid grid(QStringLiteral("SG"), view);
    const PreviewServices services{shell.keys.get(), shell.appDir, nullptr};
    const QRect left(QPoint(40, 30), QSize(640, 420));
    for (int opening = 0; opening < 3; ++opening) {
        TPrevF preview(services, grid, {});
        preview.show();
        QApplication::processEvents();
        if (opening == 0) {
            preview.move(left.topLeft());
            preview.resize(left.size());
            QApplication::processEvents();
        }
        EXPECT_EQ(QRect(preview.pos(), preview.size()), left) << "opening " << opening;
        preview.reject();
    }
    const platform::ProfileFile ini(QDir(shell.appDir).filePath("TQLX4.ini"));
    EXPECT_EQ(ini.readInteger("PrevF", "Left", -1), 40);
    EXPECT_EQ(ini.readInteger("PrevF", "Top", -1), 30);
}

TEST(WindowPlaces, TheMainWindowComesBackMaximisedAndUnmaximisesToItsSize) {
    testing::ShellFixture shell;
    shell.writeFile("TQLX4.ini", "");
    const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
    QSize normal;
    {
        auto window = shell.makeWindow();
        EXPECT_FALSE(window->isMaximized());
        window->show();
        QApplication::processEvents();
        // No stored place: centred, and all of it on the screen.
        EXPECT_TRUE(area.contains(window->frameGeometry()));
        window->resize(500, 400);
        QApplication::processEvents();
        normal = window->size();
        window->showMaximized();
        QApplication::processEvents();
        ASSERT_TRUE(window->close());
    }
    auto window = shell.makeWindow();
    EXPECT_TRUE(window->windowState() & Qt::WindowMaximized);
    window->show();
    QApplication::processEvents();
    window->showNormal();
    QApplication::processEvents();
    EXPECT_EQ(window->size(), normal);
    window->close();
}

TEST(WindowPlaces, TheWindowChosenFromTheListBecomesActive) {
    for (const bool tiles : {true, false}) {
        testing::ShellFixture shell;
        auto window = shell.makeWindow();
        window->setTileAfterChoosing([tiles] { return tiles; });
        window->show();
        QList<QMdiSubWindow*> children;
        for (const QString title : {"佐藤花子 さんの命盤", "山田太郎 さんの命盤"}) {
            auto* content = new QLabel(title);
            content->setWindowTitle(title);
            children << window->addChild(content);
            children.back()->resize(300, 200);
        }
        ASSERT_EQ(window->mdiArea()->activeSubWindow(), children[1]);
        window->action(MainAction::MinimiseItem)->trigger();
        emit window->windowMenu()->aboutToShow();
        for (QAction* item : window->windowMenu()->actions()) {
            if (item->text() == "佐藤花子 さんの命盤") {
                item->trigger();
            }
        }
        QApplication::processEvents();
        EXPECT_EQ(window->mdiArea()->activeSubWindow(), children[0]) << "tiles " << tiles;
        EXPECT_FALSE(children[0]->isMinimized());
        window->close();
    }
}

TEST(FloatingToolbars, ComeBackFloatingAtTheirPlaceWithCaptionAndCloseButton) {
    testing::ShellFixture shell;
    {
        platform::ProfileFile ini(QDir(shell.appDir).filePath("TQLX4.ini"));
        const struct {
            const char* section;
            QPoint at;
        } floating[] = {{"TBarPosWindowBar", {300, 200}}, {"TBarPosNetbar", {320, 280}}};
        for (const auto& bar : floating) {
            ini.writeInteger(bar.section, "Rev", 3);
            ini.writeInteger(bar.section, "Visible", 1);
            ini.writeString(bar.section, "DockedTo", "+");
            ini.writeString(bar.section, "LastDock", "Dock971");
            ini.writeInteger(bar.section, "FloatLeft", bar.at.x());
            ini.writeInteger(bar.section, "FloatTop", bar.at.y());
        }
        ini.save();
    }
    for (int run = 0; run < 2; ++run) {
        auto window = shell.makeWindow();
        window->show();
        QApplication::processEvents();
        QToolBar* windowBar = window->toolbar(MainToolbar::WindowBar);
        QToolBar* netBar = window->toolbar(MainToolbar::Netbar);
        ToolbarFrame* frame = frameOf(*windowBar);
        ASSERT_NE(frame, nullptr) << "run " << run;
        ASSERT_NE(frameOf(*netBar), nullptr);
        EXPECT_TRUE(frame->isVisible());
        EXPECT_EQ(frame->pos(), QPoint(300, 200));
        EXPECT_EQ(frameOf(*netBar)->pos(), QPoint(320, 280));
        EXPECT_EQ(frame->findChild<QLabel*>()->text(), "WindowBar");
        EXPECT_EQ(frameOf(*netBar)->findChild<QLabel*>()->text(), "NetBar");
        EXPECT_EQ(frameOf(*netBar)->findChild<QToolButton*>("CloseButton"), nullptr);
        EXPECT_EQ(frameOf(*window->toolbar(MainToolbar::SystemBar)), nullptr);

        // The close button takes the mark off; the menu item brings the bar back where it was.
        frame->findChild<QToolButton*>("CloseButton")->click();
        QApplication::processEvents();
        EXPECT_FALSE(frame->isVisible());
        EXPECT_FALSE(window->action(MainAction::WindowBarItem)->isChecked());
        window->action(MainAction::WindowBarItem)->trigger();
        EXPECT_TRUE(frame->isVisible());
        EXPECT_EQ(frame->pos(), QPoint(300, 200));
        ASSERT_TRUE(window->close());
    }
    const platform::ProfileFile ini(QDir(shell.appDir).filePath("TQLX4.ini"));
    EXPECT_EQ(ini.readString("TBarPosWindowBar", "DockedTo"), "+");
    EXPECT_EQ(ini.readInteger("TBarPosWindowBar", "FloatLeft", 0), 300);
    EXPECT_EQ(ini.readInteger("TBarPosWindowBar", "FloatTop", 0), 200);

    // A double click docks it where it last sat, and so it is kept.
    auto window = shell.makeWindow();
    window->show();
    QApplication::processEvents();
    QToolBar* windowBar = window->toolbar(MainToolbar::WindowBar);
    QTest::mouseDClick(frameOf(*windowBar)->findChild<QLabel*>(), Qt::LeftButton);
    QApplication::processEvents();
    EXPECT_EQ(frameOf(*windowBar), nullptr);
    EXPECT_EQ(window->toolBarArea(windowBar), Qt::LeftToolBarArea);
    EXPECT_TRUE(windowBar->isVisible());
    ASSERT_TRUE(window->close());
    const platform::ProfileFile docked(QDir(shell.appDir).filePath("TQLX4.ini"));
    EXPECT_EQ(docked.readString("TBarPosWindowBar", "DockedTo"), "Dock971");
}

}  // namespace
}  // namespace sorvik::ui
