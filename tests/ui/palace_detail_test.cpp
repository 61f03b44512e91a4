// The palace detail window of a real start-up, filled by palace clicks of real chart windows over
// the shipped tables, settings and texts.

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QPainter>
#include <QPlainTextEdit>
#include <QScreen>
#include <QTest>

#include <gtest/gtest.h>

#include "platform/atomic_file.h"
#include "platform/clock.h"
#include "platform/key_store.h"
#include "platform/program_key.h"
#include "platform/text_file.h"
#include "settings/zi_wei_settings.h"
#include "shell_fixture.h"
#include "strength/double_stars.h"
#include "texts/combinations.h"
#include "texts/line_break.h"
#include "texts/text_files.h"
#include "ui/chart/chart_grid_view.h"
#include "ui/chart/chart_window.h"
#include "ui/detail/detail_grid.h"
#include "ui/detail/double_star_model.h"
#include "ui/detail/palace_detail_window.h"
#include "ui/detail/star_table_model.h"
#include "ui/editors/text_editors.h"
#include "ui/entry/entry_bar.h"
#include "ui/settings/settings_windows.h"
#include "ui/shell/app_context.h"
#include "ui/shell/chart_requests.h"
#include "ui/shell/startup.h"

namespace sorvik::ui {
namespace {

using engine::Branch;
using platform::Prompts;
using texts::CombinationKind;

constexpr int kStarTableExtra = 4;

// The program folder with the shipped files, the clock at 1985/3/1 12:00 and the windows of the
// run; the worked chart is 山田太郎, 1984/02/02 12:00 男, whose 命宮 is 申.
class PalaceDetailTest : public ::testing::Test {
  protected:
    PalaceDetailTest() {
        platform::Clock::setNow(QDateTime(QDate(1985, 3, 1), QTime(12, 0)));
        shell.copyShippedFiles(SORVIK_DATA_DIR, SORVIK_BIN_DIR);
        window = shell.startWindows();
        detail = window->findChild<TKyuSF*>();
        Prompts::clearShownBoxes();
    }
    ~PalaceDetailTest() override { platform::Clock::setNow({}); }

    QString path(const QString& name) const { return QDir(shell.appDir).filePath(name); }

    TMeibF* openChart(const QString& name, const QString& date) {
        EntBar& bar = shell.windows->requests.entryBar();
        bar.nameBox()->setEditText(name);
        bar.sexBox()->setCurrentIndex(0);
        bar.dateBox()->setText(date);
        bar.timeBox()->setText("12:00");
        bar.MeiBtnClick();
        return qobject_cast<TMeibF*>(window->mdiArea()->subWindowList().last()->widget());
    }
    TMeibF* workedChart() { return openChart("山田太郎", "1984/02/02"); }

    // A click into the palace's second star column.
    static void clickPalace(TMeibF& chart, Branch palace) {
        const strength::PalaceRect& r = chart.grid().rects()[engine::index(palace)];
        QTest::mouseClick(chart.gridView(), Qt::LeftButton, {},
                          chart.gridView()->cellRect(r.right - 1, r.top).center());
    }

    settings::SystemSettings& system() const { return shell.context().systemSettings(); }
    QString palaceName(int index) const {
        return shell.context().ziWeiSettings().palaceNameTable().at(index);
    }
    QString title(int star) const {
        return QString::fromStdString(engine::StarTitle(shell.context().starNames(), star));
    }
    QStringList starColumn(int column) const {
        QStringList cells;
        for (const texts::StarTableRow& row : detail->starRows().rows()) {
            cells << row.cells.at(column);
        }
        return cells;
    }
    QStringList headings() const {
        QStringList found;
        for (const QString& line : detail->description().lines) {
            if (line.startsWith(u'【') || line.startsWith(QStringLiteral("<<"))) {
                found << line;
            }
        }
        return found;
    }
    void writeLines(const QString& name, const QStringList& lines) const {
        platform::writeSjisLines(path(name), lines);
    }
    // A combination file of the heading and the records in this order.
    void writeCombinations(int number, const QList<texts::CombinationRecord>& records) const {
        QStringList lines{"組合せ"};
        for (const texts::CombinationRecord& record : records) {
            lines << texts::formatCombinationRecord(record);
        }
        writeLines(texts::combinationFileName(number), lines);
    }

    testing::ShellFixture shell;
    std::unique_ptr<TMainF> window;
    TKyuSF* detail = nullptr;
};

TEST_F(PalaceDetailTest, TheLifePalaceOfTheWorkedChart) {
    ASSERT_NE(detail, nullptr);
    EXPECT_FALSE(detail->isVisible());
    TMeibF* chart = workedChart();
    clickPalace(*chart, Branch::Shen);
    ASSERT_EQ(detail->chart(), &chart->document());
    EXPECT_TRUE(detail->isVisible());
    EXPECT_EQ(detail->windowTitle(), "宮の詳細内容＜氏名：山田太郎＞");

    // Header: the chart's labels, the palace's name and its info rows as the chart shows them.
    for (const char* name : {"ZNen", "ZKS", "Date"}) {
        EXPECT_EQ(detail->label(name)->text(), chart->label(name)->text()) << name;
    }
    EXPECT_EQ(detail->label("ZNen")->text(), "1985/3/1 12:0  ");
    EXPECT_EQ(detail->palaceSelector()->currentIndex(), 0);
    EXPECT_EQ(detail->modeSelector()->currentText(), "推命");
    const std::vector<std::string> infoRows = strength::ShownInfoRows(chart->grid(), Branch::Shen);
    ASSERT_FALSE(infoRows.empty());
    const char* const labels[] = {"KLbl0", "KLbl1", "KLBL2", "KLBL3", "KLBL4"};
    for (std::size_t k = 0; k < std::size(labels); ++k) {
        EXPECT_EQ(detail->label(labels[k])->text().toStdString(),
                  k < infoRows.size() ? infoRows[k] : "")
            << labels[k];
    }

    // Stars in slot order, yearly stars included, with their attributes.
    std::vector<int> stars;
    for (const texts::StarTableRow& row : detail->starRows().rows()) {
        stars.push_back(row.star);
    }
    EXPECT_EQ(stars,
              (std::vector<int>{3, 10, 24, 29, 45, 46, 52, 57, 61, 69, 78, 91, 98, 117, 125}));
    const auto& rows = detail->starRows().rows();
    using Cells = std::array<QString, 7>;
    const auto shown = [&](std::size_t row) {
        Cells cells;
        std::copy_n(rows.at(row).cells.begin(), cells.size(), cells.begin());
        return cells;
    };
    EXPECT_EQ(shown(0), (Cells{"太陽", "主", "吉", "得地", "中天", "火", "8"}));
    EXPECT_EQ(shown(1), (Cells{"巨門", "主", "凶", "廟", "北斗", "水", "7"}));
    EXPECT_EQ(shown(2), (Cells{"火星", "副", "凶", "陥", "南斗", "火", "-8"}));
    EXPECT_EQ(shown(3)[texts::kBrightnessColumn], "");   // code 0
    EXPECT_EQ(shown(11)[texts::kBrightnessColumn], "");  // 流魁: a yearly star
    const texts::LiveTexts& live = *shell.context().liveTexts();
    const texts::StarLine sun = texts::splitStarLine(live.starLines.at(2));
    EXPECT_EQ(rows[0].cells[texts::kNatureColumn], sun.nature);
    EXPECT_EQ(rows[0].cells[texts::kDescriptionColumn], sun.description);
    EXPECT_TRUE(detail->starTable()->isColumnHidden(texts::kDescriptionColumn));
    EXPECT_EQ(detail->panel(TKyuSF::kStarPanel)->height(),
              DetailGrid::rowsHeight(16) + kStarTableExtra);

    // The hint: on a star's name only.
    const QPoint name = detail->starTable()->visualRect(detail->starRows().index(0, 0)).center();
    EXPECT_EQ(detail->hintAt(name), "<太陽>\r\n" + texts::decodeLineBreaks(sun.description));
    const QPoint grade = detail->starTable()->visualRect(detail->starRows().index(0, 1)).center();
    EXPECT_EQ(detail->hintAt(grade), "");

    // Double stars as evaluated, empty relations hidden and the panel lower by their rows.
    const strength::DoubleStarEvaluation expected =
        strength::evaluateDoubleStars(chart->record().palaceStarLists, Branch::Shen,
                                      shell.context().ziWeiSettings(), shell.context().starNames());
    const DoubleStarModel& pairs = detail->doubleStars();
    int hidden = 0;
    for (int r = 0; r < strength::kRelationCount; ++r) {
        const auto& relation = expected.relations[r];
        EXPECT_EQ(pairs.index(r, 1).data().toString().toStdString(), relation.power);
        for (std::size_t e = 0; e < relation.entries.size(); ++e) {
            EXPECT_EQ(pairs.index(r, 2 + static_cast<int>(e)).data().toString().toStdString(),
                      relation.entries[e]);
        }
        EXPECT_EQ(detail->doubleStarTable()->isRowHidden(r), relation.entries.empty());
        hidden += relation.entries.empty();
    }
    EXPECT_GT(hidden, 0);
    EXPECT_EQ(pairs.headerData(2, Qt::Horizontal).toString().toStdString(), expected.total);
    EXPECT_EQ(detail->panel(TKyuSF::kDoubleStarPanel)->height(),
              TKyuSF::kDoubleStarPanelHeight - 15 * hidden);

    // The pattern first, then the star texts in slot order.
    const QStringList& lines = detail->description().lines;
    ASSERT_GE(lines.size(), 4);
    EXPECT_EQ(lines[0], "【 巨日同格 】");
    EXPECT_EQ(lines[1], texts::decodeLineBreaks(live.patternLines.at(4)));
    EXPECT_FALSE(lines[1].isEmpty());
    EXPECT_EQ(lines[2], "");
    EXPECT_EQ(lines[3], "【太陽星 が、" + palaceName(0) + "にある時】");
    EXPECT_FALSE(detail->description().cutShort);
    EXPECT_TRUE(detail->descriptionMemo()->toPlainText().startsWith("【 巨日同格 】\n"));
}

TEST_F(PalaceDetailTest, SelectorsRefillTheSameChartAndTheLuckModeReadsItsOwnFile) {
    // Before any chart the selectors only beep.
    const int beeps = Prompts::beepCount();
    detail->palaceSelector()->setCurrentIndex(3);
    detail->modeSelector()->setCurrentIndex(1);
    EXPECT_EQ(Prompts::beepCount(), beeps + 2);
    EXPECT_TRUE(detail->description().lines.isEmpty());
    detail->modeSelector()->setCurrentIndex(0);

    TMeibF* chart = workedChart();
    clickPalace(*chart, Branch::Shen);
    // 亥, the 田宅宮 of the 命宮 申, starts with the text of its first star, 紫微.
    detail->palaceSelector()->setCurrentIndex(9);
    EXPECT_EQ(detail->palace(), Branch::Hai);
    EXPECT_EQ(detail->description().lines.value(0),
              "【" + title(1) + " が、" + palaceName(9) + "にある時】");

    // 行運: HSETUF13 whatever the palace, headed with the palace chosen, no combinations.
    QStringList luck(texts::kPalaceLineCount);
    luck[0] = "行運";
    luck[1] = "行運の紫微/r二行目";
    writeLines(texts::palaceFileName(13), luck);
    writeCombinations(10, {{1, 13, texts::kNoStarB, CombinationKind::SamePalace, "組"}});
    detail->modeSelector()->setCurrentIndex(1);
    EXPECT_EQ(detail->palace(), Branch::Hai);
    EXPECT_EQ(detail->description().lines,
              QStringList({"【" + title(1) + " が、" + palaceName(9) + "にある時】",
                           "行運の紫微\r\n二行目", ""}));
    // The mode stays for the next click; the 命宮 keeps its patterns.
    clickPalace(*chart, Branch::Shen);
    EXPECT_EQ(detail->modeSelector()->currentIndex(), 1);
    EXPECT_EQ(headings(), QStringList{"【 巨日同格 】"});
    detail->modeSelector()->setCurrentIndex(0);
    EXPECT_GT(headings().size(), 1);
}

// 紫微 and 天府 meet in 寅 on 1984/02/05 (遷移宮, DSETUF7) and from the trine on 1984/02/03, where
// 紫微 stands in 辰 (財帛宮, DSETUF5) and 天府 in 子.
TEST_F(PalaceDetailTest, CombinationKindsAndPartnersInSlotOrder) {
    const auto record = [](int a, int b, CombinationKind kind, const char* text) {
        return texts::CombinationRecord{a, b, texts::kNoStarB, kind, QString::fromUtf8(text)};
    };
    const QString heading0 = "<<" + palaceName(6) + " で、紫微星と天府星が、同宮した時>>";
    // Two partners: in the slot order of the partners, not the order of the file.
    writeCombinations(7, {record(1, 21, CombinationKind::SamePalace, "禄存と"),
                          record(1, 7, CombinationKind::SamePalace, "天府と")});
    TMeibF* same = openChart("同宮", "1984/02/05");
    clickPalace(*same, Branch::Yin);
    EXPECT_EQ(
        headings().filter("<<"),
        QStringList({heading0, "<<" + palaceName(6) + " で、紫微星と禄存星が、同宮した時>>"}));
    const qsizetype at = detail->description().lines.indexOf(heading0);
    EXPECT_EQ(detail->description().lines.mid(at + 1, 2), QStringList({"天府と", ""}));

    // From the trine only a record of kind 1 is taken.
    TMeibF* trine = openChart("加会", "1984/02/03");
    writeCombinations(5, {record(1, 7, CombinationKind::SamePalace, "同宮だけ")});
    clickPalace(*trine, Branch::Chen);
    EXPECT_TRUE(headings().filter("<<").isEmpty());
    writeCombinations(5, {record(1, 7, CombinationKind::SameOrTrine, "加会も")});
    clickPalace(*trine, Branch::Chen);  // the file is read again
    EXPECT_EQ(headings().filter("<<"),
              QStringList({"<<" + palaceName(4) + " で、紫微星と天府星が、同宮加会した時>>"}));
    // … and in the same palace as well.
    writeCombinations(7, {record(1, 7, CombinationKind::SameOrTrine, "加会も")});
    clickPalace(*same, Branch::Yin);
    EXPECT_EQ(headings().filter("<<"),
              QStringList({"<<" + palaceName(6) + " で、紫微星と天府星が、同宮加会した時>>"}));
}

TEST_F(PalaceDetailTest, HiddenStarsAndAShortPalaceFile) {
    TMeibF* chart = workedChart();
    for (int star = 1; star <= engine::kStarCount; ++star) {
        system().setShowsStar(star, settings::StarView::Detail, false);
    }
    clickPalace(*chart, Branch::Shen);
    EXPECT_EQ(detail->starRows().rowCount(), 0);
    EXPECT_EQ(detail->panel(TKyuSF::kStarPanel)->height(),
              DetailGrid::rowsHeight(1) + kStarTableExtra);

    // Twenty lines hold 太陽 (3) and 巨門 (10); 火星 (24) in the third slot ends the texts.
    QStringList lines(20);
    lines[3] = "太陽の文";
    lines[10] = "巨門の文";
    writeLines(texts::palaceFileName(1), lines);
    writeCombinations(1, {{10, 24, texts::kNoStarB, CombinationKind::SamePalace, "巨門と火星"}});
    clickPalace(*chart, Branch::Shen);
    EXPECT_TRUE(detail->description().cutShort);
    EXPECT_EQ(headings().mid(1),
              QStringList({"【太陽星 が、" + palaceName(0) + "にある時】",
                           "【巨門星 が、" + palaceName(0) + "にある時】",
                           "<<" + palaceName(0) + " で、巨門星と火星が、同宮した時>>"}));
    EXPECT_EQ(detail->description().lines.last(), "");
    EXPECT_TRUE(Prompts::shownBoxes().isEmpty());
}

TEST_F(PalaceDetailTest, PanelsFollowTheSettingAndThePopupMenu) {
    TMeibF* chart = workedChart();
    clickPalace(*chart, Branch::Shen);
    ASSERT_TRUE(QTest::qWaitFor([&] { return detail->isActiveWindow(); }));
    const int full = detail->height();
    EXPECT_EQ(full, TKyuSF::kHeaderHeight + TKyuSF::kLabelsHeight +
                        detail->panel(TKyuSF::kStarPanel)->height() +
                        detail->panel(TKyuSF::kDoubleStarPanel)->height() +
                        TKyuSF::kDescriptionPanelHeight);
    EXPECT_EQ(detail->descriptionMemo()->font().family(),
              system().font(settings::kDescriptionFont).name);

    // Widths of "星の一覧の表示巾"; the nature takes the rest. Row 0 is white on teal.
    DetailGrid* table = detail->starTable();
    int widths = 0;
    for (int column = 0; column < settings::kStarListColumns; ++column) {
        EXPECT_EQ(table->columnWidth(column), system().starListWidth(column));
        widths += table->columnWidth(column);
    }
    EXPECT_EQ(widths + table->columnWidth(texts::kNatureColumn), table->viewport()->width());
    const QImage image = table->grab().toImage();
    EXPECT_EQ(image.pixelColor(3, 3), QColor(0, 128, 128));
    EXPECT_EQ(image.pixelColor(3, DetailGrid::kRowHeight + 4), QColor(Qt::white));

    // The popup menu hides the double stars until the next activation.
    QAction* doubles = detail->panelItem(TKyuSF::kDoubleStarPanel);
    ASSERT_TRUE(doubles->isChecked());
    doubles->trigger();
    EXPECT_TRUE(detail->panel(TKyuSF::kDoubleStarPanel)->isHidden());
    EXPECT_EQ(detail->height(), full - detail->panel(TKyuSF::kDoubleStarPanel)->height());
    EXPECT_TRUE(detail->popupMenu()->actions().last()->isEnabled());  // 星の一覧の印刷

    // Losing activation hides the window; the setting decides at the next activation.
    window->activateWindow();
    EXPECT_TRUE(QTest::qWaitFor([&] { return !detail->isVisible(); }));
    system().setPCG(0b011);
    clickPalace(*chart, Branch::Shen);
    ASSERT_TRUE(QTest::qWaitFor([&] { return detail->isActiveWindow(); }));
    EXPECT_FALSE(detail->panel(TKyuSF::kDoubleStarPanel)->isHidden());
    EXPECT_TRUE(doubles->isChecked());
    EXPECT_TRUE(detail->panel(TKyuSF::kDescriptionPanel)->isHidden());
    EXPECT_FALSE(detail->panelItem(TKyuSF::kDescriptionPanel)->isChecked());
    EXPECT_EQ(detail->height(), full - TKyuSF::kDescriptionPanelHeight);
}

TEST_F(PalaceDetailTest, WithoutAStoredPlacementItOpensAtTheScreensRightWhollyOnIt) {
    clickPalace(*workedChart(), Branch::Shen);
    const QRect available = QGuiApplication::primaryScreen()->availableGeometry();
    const QRect placed = detail->frameGeometry();
    ASSERT_LE(placed.width(), available.width());
    EXPECT_TRUE(available.contains(placed.topLeft()));
    EXPECT_LE(placed.right(), available.right());
    EXPECT_GE(placed.right(), available.right() - 32);  // beside the charts, not over them
}

TEST_F(PalaceDetailTest, ClosingTheChartClearsTheWindowAndExitKeepsItsPlacement) {
    TMeibF* chart = workedChart();
    clickPalace(*chart, Branch::Shen);
    ASSERT_EQ(detail->chart(), &chart->document());
    window->mdiArea()->subWindowList().first()->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(detail->chart(), nullptr);
    EXPECT_FALSE(detail->isVisible());
    EXPECT_EQ(detail->windowTitle(), "宮の詳細内容");
    EXPECT_TRUE(detail->descriptionMemo()->toPlainText().isEmpty());
    EXPECT_EQ(detail->starRows().rowCount(), 0);
    EXPECT_TRUE(detail->label("ZNen")->text().isEmpty());
    const int beeps = Prompts::beepCount();
    detail->palaceSelector()->setCurrentIndex(2);
    EXPECT_EQ(Prompts::beepCount(), beeps + 1);

    Prompts::queueAnswer(platform::Answer::No);  // the new name file is not saved
    ASSERT_TRUE(window->close());
    EXPECT_FALSE(shell.keys->readBinary(platform::programKey("KyuSF"), "KyuSFWinPlace1").isEmpty());
}

TEST_F(PalaceDetailTest, AStarTextStoredInItsEditorShowsBeforeTheFileIsWritten) {
    const QByteArray onDisk = platform::readWholeFile(path("SEISETUF.DAT"));
    TMeibF* chart = workedChart();
    clickPalace(*chart, Branch::Shen);
    ASSERT_FALSE(detail->starRows().rows().empty());
    const int star = detail->starRows().rows().front().star;

    auto* editor = window->findChild<TSSetuF*>();
    editor->show();
    editor->selectItem(star - 1);
    editor->natureField()->setText("書き換えた性質");
    editor->memo()->setPlainText("一行目\n二行目");
    editor->nextItem();

    clickPalace(*chart, Branch::Shen);
    EXPECT_EQ(starColumn(texts::kNatureColumn).front(), "書き換えた性質");
    EXPECT_EQ(starColumn(texts::kDescriptionColumn).front(), "一行目/r二行目");
    EXPECT_EQ(platform::readWholeFile(path("SEISETUF.DAT")), onDisk);
    editor->close();
    EXPECT_NE(platform::readWholeFile(path("SEISETUF.DAT")), onDisk);
}

// Renders the detail beside its chart for a look at them when SORVIK_PICTURES names a folder:
// the 命宮 with many stars in both modes, 亥 with few.
TEST_F(PalaceDetailTest, Picture) {
    const QString folder = qEnvironmentVariable("SORVIK_PICTURES");
    TMeibF* chart = workedChart();
    const auto picture = [&](Branch palace, int mode, const QString& name) {
        clickPalace(*chart, palace);
        detail->modeSelector()->setCurrentIndex(mode);
        const QPixmap left = chart->grab();
        const QPixmap right = detail->grab();
        EXPECT_EQ(right.size(), detail->size());
        QPixmap both(left.width() + right.width() + 8, std::max(left.height(), right.height()));
        both.fill(Qt::darkGray);
        QPainter painter(&both);
        painter.drawPixmap(0, 0, left);
        painter.drawPixmap(left.width() + 8, 0, right);
        painter.end();
        if (!folder.isEmpty()) {
            both.save(QDir(folder).filePath(name));
        }
    };
    picture(Branch::Shen, 0, "detail_life_natal.png");
    picture(Branch::Shen, 1, "detail_life_luck.png");
    picture(Branch::Hai, 0, "detail_few_natal.png");
}

}  // namespace
}  // namespace sorvik::ui
