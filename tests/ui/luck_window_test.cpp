#include <QApplication>
#include <QCategoryAxis>
#include <QChart>
#include <QClipboard>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QDir>
#include <QFile>
#include <QHeaderView>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QPrinterInfo>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include "platform/sjis.h"
#include "platform/text_file.h"
#include "shell_fixture.h"
#include "ui/chart/chart_window.h"
#include "ui/entry/entry_bar.h"
#include "ui/help/help_window.h"
#include "ui/luck/luck_graph.h"
#include "ui/luck/luck_table_view.h"
#include "ui/luck/luck_window.h"
#include "ui/settings/settings_windows.h"
#include "ui/shell/chart_requests.h"
#include "ui/shell/startup.h"

namespace sorvik::ui {
namespace {

using platform::Answer;
using platform::Prompts;

// The main window as the program builds it, over the shipped tables and calendar.
class LuckWindowTest : public ::testing::Test {
  protected:
    LuckWindowTest() {
        shell.copyShippedFiles(SORVIK_DATA_DIR, SORVIK_BIN_DIR);
        window = shell.startWindows();
        bar = &shell.windows->requests.entryBar();
        Prompts::clearShownBoxes();
    }

    void type(const QString& name, int sex, const QString& date, const QString& time) const {
        testing::typePerson(*bar, name, sex, date, time);
    }
    QList<QMdiSubWindow*> children() const { return window->mdiArea()->subWindowList(); }
    TKouF* luckWindow(const QString& title) const {
        for (QMdiSubWindow* child : children()) {
            if (child->windowTitle() == title) {
                return qobject_cast<TKouF*>(child->widget());
            }
        }
        return nullptr;
    }
    settings::ZiWeiSettings& ziwei() const { return shell.context().ziWeiSettings(); }
    // What the computation gives for the person with the store's current ratios.
    strength::LuckPeriods expected(const engine::BirthMoment& person) const {
        return strength::ComputeLuckPeriods(
            strength::LuckChartOf(shell.context().calendar(), person, ziwei(), ziwei()),
            settings::luckShares(ziwei().luckRatios()));
    }
    QString path(const QString& name) const { return shell.dir.filePath(name); }

    testing::ShellFixture shell;
    std::unique_ptr<TMainF> window;
    EntBar* bar = nullptr;
};

TEST_F(LuckWindowTest, OneRequestPerPersonOpensOneWindow) {
    type("山田太郎", 0, "1984/02/02", "12:00");
    ASSERT_TRUE(bar->luckButton()->isEnabled());
    QTest::mouseClick(bar->luckButton(), Qt::LeftButton);
    ASSERT_EQ(children().size(), 1);
    TKouF* luck = luckWindow("山田太郎 さんの行運");
    ASSERT_NE(luck, nullptr);
    const strength::LuckPeriods periods =
        expected({"山田太郎", engine::Sex::Male, "1984/02/02", "12:00"});
    EXPECT_EQ(luck->periods().table, periods.table);
    // 金四局: the ages run from 4, the captions stand beside the values.
    const QAbstractItemModel* model = luck->table()->model();
    EXPECT_EQ(model->headerData(0, Qt::Horizontal, Qt::DisplayRole).toString(), "4歳");
    EXPECT_EQ(model->headerData(98, Qt::Horizontal, Qt::DisplayRole).toString(), "102歳");
    EXPECT_EQ(model->headerData(6, Qt::Vertical, Qt::DisplayRole).toString(), "計");
    EXPECT_EQ(model->index(6, 0).data().toString(),
              QString::fromStdString(periods.table[strength::kTotalRow][1]));
    EXPECT_EQ(luck->table()->columnWidth(0), LuckTableView::kColumnWidth);
    // The request recorded the person and cleared the bar, as a chart request does.
    EXPECT_EQ(shell.context().nameList().cell(0, 0), "山田太郎");
    EXPECT_TRUE(bar->nameBox()->currentText().isEmpty());
    EXPECT_EQ(helpTopicAt(luck->table(), 0), TKouF::kHelpTopic);
    // The popup menu opens over the table and over the graph.
    for (QWidget* area : {luck->table()->viewport(), luck->graph()->viewport()}) {
        QContextMenuEvent click(QContextMenuEvent::Mouse, QPoint(20, 20),
                                area->mapToGlobal(QPoint(20, 20)));
        QApplication::sendEvent(area, &click);
        EXPECT_TRUE(luck->popupMenu()->isVisible());
        luck->popupMenu()->hide();
    }

    // The same name again only brings the open window to the front, whatever else was typed.
    type("花子", 1, "1990/01/05", "07:05");
    QTest::mouseClick(bar->luckButton(), Qt::LeftButton);
    type("山田太郎", 1, "1999/09/09", "09:09");
    QTest::mouseClick(bar->luckButton(), Qt::LeftButton);
    ASSERT_EQ(children().size(), 2);
    EXPECT_EQ(window->mdiArea()->activeSubWindow()->widget(), luck);
    EXPECT_EQ(luck->periods().table, periods.table);
    // The chart of the same person is a window of its own.
    type("山田太郎", 0, "1984/02/02", "12:00");
    QTest::mouseClick(bar->chartButton(), Qt::LeftButton);
    EXPECT_EQ(children().size(), 3);
    EXPECT_TRUE(Prompts::shownTexts().isEmpty()) << Prompts::shownTexts().join("|").toStdString();

    // SCB1 hides the luck button when the frame next becomes active.
    shell.context().systemSettings().setSCB(1, true);
    emit window->frameActivated();
    EXPECT_FALSE(bar->luckButton()->isVisible());
}

// The window keeps what it computed; the ratios in force when it opens make its totals.
TEST_F(LuckWindowTest, TheChartWindowAsksForItsPersonsLuckThroughTheEntryBar) {
    type("花子", 1, "1990/01/05", "07:05");
    QTest::mouseClick(bar->chartButton(), Qt::LeftButton);
    ASSERT_EQ(children().size(), 1);
    auto* chart = qobject_cast<TMeibF*>(children()[0]->widget());
    ziwei().setLuckRatios({100, 0, 0});
    QPushButton* kouBtn = chart->button("KouBtn");
    ASSERT_TRUE(kouBtn->isEnabled());
    QTest::mouseClick(kouBtn, Qt::LeftButton);
    TKouF* luck = luckWindow("花子 さんの行運");
    ASSERT_NE(luck, nullptr);
    const strength::LuckTable& table = luck->periods().table;
    EXPECT_EQ(table, expected({"花子", engine::Sex::Female, "1990/01/05", "07:05"}).table);
    for (int column = 1; column < strength::kLuckColumns; ++column) {
        EXPECT_EQ(table[strength::kTotalRow][column], table[strength::kMajorValueRow][column]);
    }
    // Copied into the bar, recorded as it was, then cleared: nothing asked.
    EXPECT_EQ(shell.context().nameList().rowCount(), 1);
    EXPECT_TRUE(bar->nameBox()->currentText().isEmpty());
    EXPECT_TRUE(Prompts::shownTexts().isEmpty()) << Prompts::shownTexts().join("|").toStdString();

    ziwei().setLuckRatios({60, 30, 10});
    window->mdiArea()->setActiveSubWindow(children()[0]);
    chart->popupMenu()->actions().at(6)->trigger();  // ◎行運
    EXPECT_EQ(children().size(), 2);
    EXPECT_EQ(window->mdiArea()->activeSubWindow()->widget(), luck);
    EXPECT_EQ(luck->periods().table, table) << "the open window is shown as it was";
}

TEST_F(LuckWindowTest, PopupMenuSavesTheTableAndTheGraph) {
    type("山田太郎", 0, "1984/02/02", "12:00");
    QTest::mouseClick(bar->luckButton(), Qt::LeftButton);
    TKouF* luck = luckWindow("山田太郎 さんの行運");
    ASSERT_NE(luck, nullptr);
    const QList<QAction*> items = luck->popupMenu()->actions();
    QStringList captions;
    for (const QAction* item : items) {
        captions << item->text();
    }
    EXPECT_EQ(captions, QStringList({"Bitmap印刷", "ｸﾞﾗﾌをｸﾘｯﾌﾟﾎﾞｰﾄﾞにｺﾋﾟｰ", "ｸﾞﾗﾌをbmp形式で出力",
                                     "表をcsv形式で出力"}));

    // The table: Shift-JIS, every cell followed by a comma, CR LF; a name without extension
    // gets one. The dialogs propose the person's name in the output folder.
    shell.context().systemSettings().setMeiFolder(shell.dir.filePath("out"));
    Prompts::queueFileName(path("table"));
    items[3]->trigger();
    EXPECT_EQ(Prompts::proposedFileNames().back(), shell.dir.filePath("out/山田太郎.csv"));
    QFile csv(path("table.csv"));
    ASSERT_TRUE(csv.open(QIODevice::ReadOnly));
    const QByteArray bytes = csv.readAll();
    EXPECT_EQ(bytes, platform::encodeSjis(
                         QString::fromStdString(strength::LuckCsvText(luck->periods().table))));
    const QStringList lines = platform::decodeSjis(bytes).split("\r\n");
    ASSERT_EQ(lines.size(), 9);  // and nothing after the last CR LF
    EXPECT_EQ(lines[0].count(','), 100);
    EXPECT_TRUE(lines[7].startsWith("計,"));

    // The graph as a BMP file and on the clipboard.
    Prompts::queueFileName(path("graph.bmp"));
    items[2]->trigger();
    EXPECT_EQ(Prompts::proposedFileNames().back(), shell.dir.filePath("out/山田太郎.bmp"));
    const QImage saved(path("graph.bmp"), "BMP");
    EXPECT_EQ(saved.size(), luck->graph()->size());
    items[1]->trigger();
    EXPECT_EQ(QApplication::clipboard()->image().size(), luck->graph()->size());

    // Cancelled dialogs write nothing.
    items[2]->trigger();
    items[3]->trigger();
    EXPECT_EQ(QDir(shell.dir.path()).entryList({"*.bmp", "*.csv"}).size(), 2);
    EXPECT_TRUE(Prompts::shownTexts().isEmpty()) << Prompts::shownTexts().join("|").toStdString();
}

// Without a printer, Bitmap印刷 prints the whole window into a PDF file the user names.
TEST_F(LuckWindowTest, PrintingWithoutAPrinterWritesAPdf) {
    if (!QPrinterInfo::availablePrinterNames().isEmpty()) {
        GTEST_SKIP() << "this system has a printer";
    }
    type("山田太郎", 0, "1984/02/02", "12:00");
    QTest::mouseClick(bar->luckButton(), Qt::LeftButton);
    TKouF* luck = luckWindow("山田太郎 さんの行運");
    ASSERT_NE(luck, nullptr);
    Prompts::queueFileName(path("luck"));
    luck->popupMenu()->actions().at(0)->trigger();
    QFile pdf(path("luck.pdf"));
    ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
    EXPECT_TRUE(pdf.readAll().startsWith("%PDF"));
    luck->popupMenu()->actions().at(0)->trigger();  // cancelled
    EXPECT_EQ(QDir(shell.dir.path()).entryList({"*.pdf"}).size(), 1);
}

// Dragging from top left to bottom right zooms in; dragging back shows the whole graph.
TEST_F(LuckWindowTest, TheGraphZoomsIntoTheDraggedRectangle) {
    type("山田太郎", 0, "1984/02/02", "12:00");
    QTest::mouseClick(bar->luckButton(), Qt::LeftButton);
    TKouF* luck = luckWindow("山田太郎 さんの行運");
    ASSERT_NE(luck, nullptr);
    LuckGraph* graph = luck->graph();
    EXPECT_EQ(graph->toolTip(), "左上から右下へドラッグすると、グラフ部分が拡大されます。");
    QApplication::processEvents();
    const QRectF plot = graph->chart()->plotArea();
    ASSERT_GT(plot.width(), 100);
    EXPECT_EQ(graph->ageAxis()->min(), 4);
    EXPECT_EQ(graph->ageAxis()->max(), 102);

    QWidget* viewport = graph->viewport();
    const QPoint from = plot.topLeft().toPoint() + QPoint(10, 10);
    const QPoint to = plot.center().toPoint();
    QTest::mousePress(viewport, Qt::LeftButton, {}, from);
    QTest::mouseMove(viewport, to);
    QTest::mouseRelease(viewport, Qt::LeftButton, {}, to);
    EXPECT_TRUE(graph->zoomed());
    EXPECT_GT(graph->ageAxis()->min(), 4);
    EXPECT_LT(graph->ageAxis()->max(), 60);

    QTest::mousePress(viewport, Qt::LeftButton, {}, to);
    QTest::mouseMove(viewport, from);
    QTest::mouseRelease(viewport, Qt::LeftButton, {}, from);
    EXPECT_FALSE(graph->zoomed());
    EXPECT_EQ(graph->ageAxis()->min(), 4);
    EXPECT_EQ(graph->ageAxis()->max(), 102);
}

}  // namespace
}  // namespace sorvik::ui
