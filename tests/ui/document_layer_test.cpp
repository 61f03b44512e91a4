// Open charts follow their settings stores, every road to a chart gives it the same person, and
// a command that fails ends with its message while the program runs on.

#include <QApplication>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>

#include <gtest/gtest.h>

#include "shell_fixture.h"
#include "ui/chart/chart_grid_view.h"
#include "ui/chart/chart_window.h"
#include "ui/luck/luck_window.h"
#include "ui/names/name_grid.h"
#include "ui/names/name_list_window.h"
#include "ui/names/name_windows.h"
#include "ui/names/time_list_window.h"
#include "ui/settings/settings_windows.h"
#include "ui/settings/system_settings_dialog.h"
#include "ui/shell/chart_requests.h"

namespace sorvik::ui {
namespace {

using platform::Prompts;

// Counts the paints of a widget.
class PaintCounter : public QObject {
  public:
    explicit PaintCounter(QWidget& widget) { widget.installEventFilter(this); }
    int paints = 0;

  protected:
    bool eventFilter(QObject*, QEvent* event) override {
        paints += event->type() == QEvent::Paint ? 1 : 0;
        return false;
    }
};

class DocumentLayer : public ::testing::Test {
  protected:
    DocumentLayer() {
        shell.copyShippedFiles(SORVIK_DATA_DIR, SORVIK_BIN_DIR);
        window = shell.startWindows();
        bar = &shell.windows->requests.entryBar();
        Prompts::clearShownBoxes();
    }

    TMeibF* chartFromBar(const QString& name) {
        testing::typePerson(*bar, name, 1, "1984/02/02", "12:00");
        bar->MeiBtnClick();
        return activeChart();
    }
    TMeibF* activeChart() const {
        QMdiSubWindow* active = window->mdiArea()->activeSubWindow();
        return active != nullptr ? qobject_cast<TMeibF*>(active->widget()) : nullptr;
    }
    void closeAll() const {
        window->mdiArea()->closeAllSubWindows();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    static std::vector<std::string> cells(const TMeibF& chart) {
        std::vector<std::string> texts;
        const strength::ChartGrid& grid = chart.grid();
        for (int row = 0; row < grid.rowCount(); ++row) {
            for (int column = 0; column < grid.columnCount(); ++column) {
                texts.push_back(grid.text(column, row));
            }
        }
        return texts;
    }

    testing::ShellFixture shell;
    std::unique_ptr<TMainF> window;
    EntBar* bar = nullptr;
};

TEST_F(DocumentLayer, SettingsChangedInTheDialogReachAnOpenChartAtOnce) {
    TMeibF* chart = chartFromBar("山田花子");
    ASSERT_NE(chart, nullptr);
    const std::vector<std::string> before = cells(*chart);
    settings::SystemSettings& system = shell.context().systemSettings();
    QApplication::processEvents();
    PaintCounter counter(*chart->gridView());

    const QColor red(255, 0, 0);
    system.setPalaceColourValue(settings::kOtherPalace, settings::windowsFromColour(red));
    system.setStarColour(1, settings::windowsFromColour(QColor(0, 0, 255)));
    system.setKCSG(1, 1,
                   settings::infoItemName(system.infoItem(1, 1) == settings::InfoItem::Minor
                                              ? settings::InfoItem::Decade
                                              : settings::InfoItem::Minor));
    ASSERT_TRUE(shell.windows->settings.systemDialog().OKBtnClick());
    QApplication::processEvents();

    EXPECT_GT(counter.paints, 0);
    EXPECT_NE(cells(*chart), before);
    // As a chart made now, with the new settings, shows it.
    TMeibF* fresh = chartFromBar("山田花子二");
    ASSERT_NE(fresh, chart);
    EXPECT_EQ(cells(*chart), cells(*fresh));
    const QImage image = chart->gridView()->grab().toImage();
    const strength::ChartGrid& grid = chart->grid();
    const engine::Branch selected = chart->document().selectedPalace();
    for (const engine::Branch palace : engine::kBranches) {
        if (palace == selected || palace == engine::opposite(selected) ||
            palace == engine::trines(selected)[0] || palace == engine::trines(selected)[1]) {
            continue;
        }
        // Near the corner of the palace's last cell only the background shows.
        const strength::PalaceRect& block = grid.rects()[engine::index(palace)];
        const QPoint inside =
            chart->gridView()->cellRect(block.right, block.bottom).bottomRight() - QPoint(3, 3);
        EXPECT_EQ(image.pixelColor(inside), red) << engine::index(palace);
        break;
    }
    EXPECT_TRUE(Prompts::shownTexts().isEmpty());
}

TEST_F(DocumentLayer, EveryRoadToAChartGivesItThePersonOfTheEntryBar) {
    const TMeibF* typed = chartFromBar("鈴木一郎");
    ASSERT_NE(typed, nullptr);
    const engine::BirthMoment person = typed->document().person();
    EXPECT_EQ(person.name, "鈴木一郎");
    EXPECT_EQ(person.sex, engine::Sex::Female);
    EXPECT_EQ(person.dateText, "1984/02/02");
    EXPECT_EQ(person.timeText, "12:00");
    const std::vector<std::string> typedCells = cells(*typed);

    // The chart's 行運: the luck window of the same person.
    const_cast<TMeibF*>(typed)->KouBtnClick();
    auto* luck = qobject_cast<TKouF*>(window->mdiArea()->activeSubWindow()->widget());
    ASSERT_NE(luck, nullptr);
    EXPECT_EQ(luck->person().name, person.name);
    EXPECT_EQ(luck->person().sex, person.sex);
    EXPECT_EQ(luck->person().dateText, person.dateText);
    EXPECT_EQ(luck->person().timeText, person.timeText);
    closeAll();

    // The name list's 命盤表示 of the recorded row.
    TNListF& list = shell.windows->names.nameList();
    list.grid()->goToRow(0);
    list.showChart();
    const TMeibF* listed = activeChart();
    ASSERT_NE(listed, nullptr);
    EXPECT_EQ(listed->document().person().name, person.name);
    EXPECT_EQ(listed->document().person().sex, person.sex);
    EXPECT_EQ(cells(*listed), typedCells);
    // Asked again, the open chart comes to the front and nothing else opens.
    list.showChart();
    EXPECT_EQ(window->mdiArea()->subWindowList().size(), 1);
    closeAll();

    // The time list's slot at noon: the typed person at 12:00, under the slot's name.
    testing::typePerson(*bar, "鈴木一郎", 1, "1984/02/02", "");
    TJListF times(
        {shell.context().appDir(), shell.context().nameFiles(), *bar,
         shell.context().windowRequests(), shell.context().calendar(), shell.context().starNames(),
         shell.context().systemSettings(), shell.context().ziWeiSettings()},
        QDate(1984, 2, 2));
    times.chooseSlot(6);
    const TMeibF* slot = activeChart();
    ASSERT_NE(slot, nullptr);
    EXPECT_EQ(slot->document().person().name, "鈴木一郎：午");
    EXPECT_EQ(slot->document().person().sex, person.sex);
    EXPECT_EQ(slot->document().person().timeText, "12:00");
    EXPECT_EQ(cells(*slot), typedCells);
}

TEST_F(DocumentLayer, AFailingPopupCommandShowsItsMessageAndTheProgramRunsOn) {
    TMeibF* chart = chartFromBar("田中");
    ASSERT_NE(chart, nullptr);
    // Power cells that are no numbers: the next fill cannot score the palaces.
    for (int branch = 1; branch <= 12; ++branch) {
        shell.context().ziWeiSettings().setCell(settings::Grid::Powers, 1, branch, "x");
    }
    QAction* previousYear = chart->popupMenu()->actions().first();
    ASSERT_EQ(previousYear->text(), "<<前年");
    previousYear->trigger();
    ASSERT_EQ(Prompts::shownBoxes().size(), 1);
    EXPECT_EQ(Prompts::shownBoxes().first().style, platform::BoxStyle::Error);
    EXPECT_FALSE(Prompts::shownTexts().first().isEmpty());
    // The program goes on: the chart is still there and answers the next command.
    shell.context().ziWeiSettings().cancel();
    previousYear->trigger();
    EXPECT_EQ(Prompts::shownBoxes().size(), 1);
    EXPECT_EQ(activeChart(), chart);
}

// The target bar is white on teal; the texts of the centre below it keep the panel's dark text.
TEST_F(DocumentLayer, OnlyTheTargetBarIsWhiteOnTeal) {
    const TMeibF* chart = chartFromBar("佐藤");
    ASSERT_NE(chart, nullptr);
    for (const char* name : {"Label1", "ZKS"}) {
        EXPECT_EQ(chart->label(name)->palette().color(QPalette::WindowText), QColor(Qt::white))
            << name;
    }
    for (const char* name :
         {"Name", "Date", "Inyo", "InDate", "Kyoku", "Kazoe", "Mei", "Sin", "Nat"}) {
        EXPECT_LT(chart->label(name)->palette().color(QPalette::WindowText).lightness(), 100)
            << name;
    }
}

}  // namespace
}  // namespace sorvik::ui
