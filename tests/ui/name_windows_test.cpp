#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMessageBox>
#include <QPushButton>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include "mdi_requests.h"
#include "platform/clock.h"
#include "platform/key_store.h"
#include "platform/prompts.h"
#include "records/calendar_file.h"
#include "records/name_file.h"
#include "settings/system_settings.h"
#include "settings/zi_wei_settings.h"
#include "ui/chart/chart_window.h"
#include "ui/entry/entry_bar.h"
#include "ui/names/era_entry_dialog.h"
#include "ui/names/name_grid.h"
#include "ui/names/name_list_model.h"
#include "ui/names/name_list_window.h"
#include "ui/names/time_list_window.h"

namespace sorvik::ui {
namespace {

using platform::Answer;
using platform::Prompts;
using records::NameList;

// The shipped settings, tables and calendar, an MDI area with the entry bar, and the name list
// window over a list of persons.
class NameWindowsTest : public ::testing::Test {
  protected:
    NameWindowsTest() {
        Prompts::startScripting();
        Prompts::clearShownBoxes();
        platform::Clock::setNow(QDateTime(QDate(2024, 5, 1), QTime(12, 0)));
        QFile::copy(SORVIK_DATA_DIR "/Default.ini", dir.filePath("Default.ini"));
        system.LoadSettings();
        ziwei.startUp();
    }
    ~NameWindowsTest() override {
        platform::Clock::setNow({});
        Prompts::stopScripting();
    }

    void load(std::initializer_list<const char*> lines) {
        std::vector<NameList::Row> rows;
        for (const char* line : lines) {
            rows.push_back(records::readNameLine(QString::fromUtf8(line)));
        }
        list.reset(rows);
    }
    QStringList names() const {
        QStringList texts;
        for (int row = 0; row < list.rowCount(); ++row) {
            texts << list.cell(row, NameList::kName);
        }
        return texts;
    }
    QString chartTitle(int index = 0) const { return mdi.subWindowList().at(index)->windowTitle(); }

    QTemporaryDir dir;
    platform::KeyStore keys{dir.filePath("registry.ini")};
    engine::StarDisplayNames starNames{"殺"};
    engine::CalendarTable calendar = records::LoadCalendar(QStringLiteral(SORVIK_DATA_DIR));
    settings::SystemSettings system{dir.path() + u'/', keys, starNames};
    settings::ZiWeiSettings ziwei{SORVIK_DATA_DIR, keys, starNames};
    NameList list;
    records::NameFileSession session{list, dir.path() + u'/'};
    QMdiArea mdi;
    ChartServices chartServices{calendar, starNames, ziwei, system, {}, {}, {}, {}, {}, {}};
    testing::MdiRequests requests{mdi, session, chartServices};
    EntBar bar{{calendar, system, list, requests}};
    NameWindowServices services{dir.path() + u'/', session,   bar,    requests,
                                calendar,          starNames, system, ziwei};
    TNListF window{services};
};

TEST_F(NameWindowsTest, HeaderClickAsksThenSortsByBirthDateWithoutMarkingTheFileChanged) {
    load({"b,男,1990/05/01,12:00", "a,女,1975/12/31,08:00", "c,男,2001/01/01,23:00"});
    QHeaderView* header = window.grid()->horizontalHeader();
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
                      QPoint(header->sectionViewportPosition(2) + 5, 5));
    EXPECT_EQ(Prompts::shownTexts(), QStringList{"項目<生年月日 >でソートしますか？"});
    EXPECT_EQ(names(), QStringList({"a", "b", "c"}));

    window.setDescending(true);
    Prompts::queueAnswer(Answer::No);
    window.headerClicked(2);
    EXPECT_EQ(names(), QStringList({"a", "b", "c"}));
    window.headerClicked(2);
    EXPECT_EQ(names(), QStringList({"c", "b", "a"}));
    EXPECT_EQ(window.grid()->model()->headerData(0, Qt::Horizontal).toString(), "氏　名");
    EXPECT_EQ(window.grid()->model()->headerData(15, Qt::Horizontal).toString(),
              ziwei.palaceNameTable()[0]);
    EXPECT_EQ(window.grid()->model()->index(0, 2).data().toString(), "2001/01/01");
    EXPECT_FALSE(session.nameListModified());
}

TEST_F(NameWindowsTest, PartialSearchFindsTheLastRowAndNextStartsAgainAfterAMiss) {
    load({"山田,男", "田中,女", "鈴木花子,女"});
    window.setSearch(0, "花", records::SearchMode::Partial);
    window.search();
    EXPECT_EQ(window.grid()->currentIndex().row(), 2);
    EXPECT_TRUE(Prompts::shownTexts().isEmpty());
    const int beeps = Prompts::beepCount();
    window.next();
    EXPECT_EQ(Prompts::shownTexts(), QStringList{"[花]は見つかりません。"});
    EXPECT_EQ(Prompts::beepCount(), beeps + 1);
    window.next();
    EXPECT_EQ(window.grid()->currentIndex().row(), 2);

    window.setSearch(0, "SUZUKI", records::SearchMode::Exact);
    load({"suzuki,男", "Suzuki,女"});
    window.search();
    EXPECT_EQ(window.grid()->currentIndex().row(), 0);
    window.next();
    EXPECT_EQ(Prompts::shownTexts().size(), 2);
}

TEST_F(NameWindowsTest, DeleteAsksWithTheCountAndDeletingAllLeavesOneBlankRow) {
    load({"a,男", "b,女", "c,男", "d,女", "e,男"});
    window.grid()->selectionModel()->select(
        QItemSelection(window.grid()->model()->index(1, 0), window.grid()->model()->index(3, 0)),
        QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    Prompts::queueAnswer(Answer::No);
    window.deleteSelected();
    EXPECT_EQ(Prompts::shownTexts(), QStringList{"3 件を、削除してよろしいですか？"});
    EXPECT_EQ(Prompts::shownBoxes()[0].style, platform::BoxStyle::Confirmation);
    EXPECT_EQ(list.rowCount(), 5);
    EXPECT_FALSE(session.nameListModified());

    window.deleteSelected();
    EXPECT_EQ(names(), QStringList({"a", "e"}));
    EXPECT_TRUE(session.nameListModified());
    EXPECT_EQ(window.datCount()->text(), "2件");

    window.grid()->selectAll();
    window.deleteSelected();
    EXPECT_EQ(Prompts::shownTexts().last(), "2 件を、削除してよろしいですか？");
    EXPECT_TRUE(list.isEmpty());
    EXPECT_EQ(list.rowCount(), 1);
    EXPECT_EQ(window.datCount()->text(), "1件");
}

// A row dragged by its name goes to the row it is dropped on and the file counts as changed;
// a drag over the other cells only selects.
TEST_F(NameWindowsTest, DraggingAPersonByTheNameMovesItAndMarksTheListChanged) {
    load({"a,男", "b,女", "c,男", "d,女"});
    window.show();
    QWidget* names = window.grid()->nameColumn()->viewport();
    const auto rowCentre = [&](int row) {
        return QPoint(10, window.grid()->rowViewportPosition(row) + NameGrid::kRowHeight / 2);
    };
    const auto drag = [&](QWidget* where, int x, int from, int to) {
        QTest::mousePress(where, Qt::LeftButton, {}, rowCentre(from) + QPoint(x, 0));
        for (int step = 1; step <= 4; ++step) {
            const QPoint a = rowCentre(from), b = rowCentre(to);
            QTest::mouseMove(where, a + (b - a) * step / 4 + QPoint(x, 0));
        }
        QTest::mouseRelease(where, Qt::LeftButton, {}, rowCentre(to) + QPoint(x, 0));
    };

    drag(window.grid()->viewport(), 200, 0, 2);
    EXPECT_EQ(this->names(), QStringList({"a", "b", "c", "d"}));
    EXPECT_EQ(window.grid()->selectedBlock(), std::pair(0, 3));
    EXPECT_FALSE(session.nameListModified());

    drag(names, 0, 0, 2);
    EXPECT_EQ(this->names(), QStringList({"b", "c", "a", "d"}));
    EXPECT_EQ(window.grid()->currentIndex().row(), 2);
    EXPECT_TRUE(session.nameListModified());
    drag(names, 0, 3, 1);
    EXPECT_EQ(this->names(), QStringList({"b", "d", "c", "a"}));
    // A press without a drag only selects.
    QTest::mouseClick(names, Qt::LeftButton, {}, rowCentre(3));
    EXPECT_EQ(this->names(), QStringList({"b", "d", "c", "a"}));
    EXPECT_EQ(window.grid()->selectedBlock(), std::pair(3, 1));
}

TEST_F(NameWindowsTest, SummaryRunSkipsUnknownHoursAndADoubleClickMakesTheChart) {
    load({"山田,男,1990/05/01,12:00", "田中,女,1990/05/01,25:00"});
    window.MeiMakeBtnClick();
    EXPECT_EQ(list.cell(0, 4), "旧暦1990年4月7日");
    EXPECT_EQ(list.cell(0, 7), "庚午");
    EXPECT_TRUE(list.cell(1, 4).isEmpty());
    EXPECT_TRUE(Prompts::shownTexts().isEmpty());

    window.grid()->goToRow(0);
    window.showChart();
    ASSERT_EQ(mdi.subWindowList().size(), 1);
    EXPECT_EQ(chartTitle(), "山田 さんの命盤");
    // Its stars are those of the summary, but for the stars the list does not show.
    const TMeibF* chart = qobject_cast<TMeibF*>(mdi.subWindowList()[0]->widget());
    const engine::Branch life = chart->record().lifePalace();
    QString stars;
    const engine::PalaceStarList& lifeStars = chart->record().palaceStarLists[engine::index(life)];
    for (int slot = 1; lifeStars[slot] != 0 && lifeStars[slot] < engine::kFirstYearlyStar; ++slot) {
        if (system.showInList(lifeStars[slot])) {
            stars += QString::fromStdString(starNames[lifeStars[slot]]) + u' ';
        }
    }
    EXPECT_EQ(list.cell(0, 15), stars);
    EXPECT_FALSE(stars.isEmpty());
}

TEST_F(NameWindowsTest, TimeListShowsTheSlotsOfTheDayAndADoubleClickChartsAndRecordsOne) {
    bar.nameBox()->setEditText("山田");
    bar.sexBox()->setCurrentIndex(0);
    bar.dateBox()->setText("1990/05/01");
    TJListF times(services, QDate(1990, 5, 1));
    const NameList& rows = times.timeSlots();
    ASSERT_EQ(rows.rowCount(), 13);
    EXPECT_EQ(rows.cell(0, 0), "山田：子");
    EXPECT_EQ(rows.cell(0, 3), "00:00");
    EXPECT_EQ(rows.cell(1, 0), "山田：丑");
    EXPECT_EQ(rows.cell(11, 0), "山田：亥");
    EXPECT_EQ(rows.cell(11, 3), "22:00");
    EXPECT_EQ(rows.cell(12, 0), "山田：子");
    EXPECT_EQ(rows.cell(12, 2), "1990/05/02");
    EXPECT_EQ(rows.cell(6, 8), "午");
    EXPECT_FALSE(rows.cell(12, 37).isEmpty());

    times.chooseSlot(6);
    ASSERT_EQ(mdi.subWindowList().size(), 1);
    EXPECT_EQ(chartTitle(), "山田：午 さんの命盤");
    EXPECT_EQ(list.cell(0, 0), "山田：午");
    EXPECT_EQ(list.cell(0, 2), "1990/05/01");
    EXPECT_EQ(list.cell(0, 3), "12:00");
}

TEST_F(NameWindowsTest, TimeListRefusesADateThatDoesNotReadOrLiesOutsideTheCalendar) {
    bar.nameBox()->setEditText("山田");
    bar.dateBox()->setText("1990/02/30");
    const int beeps = Prompts::beepCount();
    openTimeList(services, nullptr);
    EXPECT_EQ(Prompts::beepCount(), beeps + 1);
    EXPECT_TRUE(Prompts::shownTexts().isEmpty());
    bar.dateBox()->setText("1700/01/01");
    openTimeList(services, nullptr);
    EXPECT_EQ(Prompts::shownTexts(), QStringList{"『1700/01/01』は、日付変換可能範囲外です。"});
    EXPECT_EQ(Prompts::beepCount(), beeps + 2);
}

TEST_F(NameWindowsTest, EraEntryOpensOnTodayInItsEra) {
    TWaEntF era(QDate(2024, 5, 1), dir.path());
    EXPECT_EQ(era.eraBox()->currentText(), "5 令和");
    EXPECT_EQ(era.dateBox()->text(), "06/05/01");
    EXPECT_EQ(era.gregorianLabel()->text(), "西暦2024/05/01");
    era.eraBox()->setCurrentIndex(2);  // 昭和 06/05/01 is 1931
    EXPECT_EQ(era.value(), QDate(1931, 5, 1));
    EXPECT_EQ(era.gregorianLabel()->text(), "西暦1931/05/01");
    EXPECT_TRUE(Prompts::shownTexts().isEmpty());
}

// An era chosen, then a date typed as a user would: pasted whole, or digit by digit over the
// date the dialog opened with. A mismatch is told once and mended to the day typed.
TEST_F(NameWindowsTest, EraEntryReadsATypedDateOnceItIsWhole) {
    struct Case {
        int era;
        const char* typed;
        QDate value;
        const char* eraAfter;
        const char* textAfter;
        const char16_t* message;  // nullptr: none
    };
    const Case cases[] = {
        {2, "640107", {1989, 1, 7}, "3 昭和", "64/01/07", nullptr},
        {2, "640108", {1989, 1, 8}, "4 平成", "01/01/08", records::kEraMismatchMessage},
        {3, "310501", {2019, 5, 1}, "5 令和", "01/05/01", records::kEraMismatchMessage},
        {4, "010430", {2019, 4, 30}, "4 平成", "31/04/30", records::kEraMismatchMessage},
        {0, "010101", {1868, 9, 8}, "1 明治", "01/09/08", records::kBeforeMeijiMessage},
    };
    enum class Typing { Pasted, DigitByDigit };
    for (const Case& c : cases) {
        for (const Typing typing : {Typing::Pasted, Typing::DigitByDigit}) {
            const std::string label =
                std::string(c.typed) + (typing == Typing::Pasted ? " pasted" : " typed");
            TWaEntF era(QDate(2024, 5, 1), dir.path());
            era.show();
            QLineEdit* box = era.dateBox();
            era.eraBox()->setCurrentIndex(c.era);
            Prompts::clearShownBoxes();
            if (typing == Typing::Pasted) {
                box->selectAll();
                box->insert(QString::fromLatin1(c.typed));
            } else {
                box->setCursorPosition(0);
                QTest::keyClicks(box, c.typed);
            }
            const QStringList told = Prompts::shownTexts();
            EXPECT_EQ(told, c.message ? QStringList{QString::fromUtf16(c.message)} : QStringList())
                << label;
            EXPECT_EQ(era.eraBox()->currentText(), c.eraAfter) << label;
            EXPECT_EQ(box->text(), c.textAfter) << label;
            EXPECT_EQ(era.value(), c.value) << label;
            // Leaving the box and OK read the mended text again, which fits its era.
            era.okButton()->click();
            EXPECT_EQ(Prompts::shownTexts(), told) << label;
            EXPECT_EQ(era.value(), c.value) << label;
            EXPECT_EQ(era.gregorianLabel()->text(), "西暦" + c.value.toString("yyyy/MM/dd"))
                << label;
        }
    }
    EXPECT_EQ(Prompts::shownBoxes().last().title, "エラー");
}

// A real box takes the focus from the date box, which counts as leaving it: that must not
// read the text again while it is being told.
TEST_F(NameWindowsTest, EraEntryTellsEachMessageOnceWhileItsBoxHasTheFocus) {
    for (const auto& [era, typed, message] :
         {std::tuple{2, "640108", records::kEraMismatchMessage},
          std::tuple{0, "010101", records::kBeforeMeijiMessage}}) {
        TWaEntF dialog(QDate(2024, 5, 1), dir.path());
        dialog.show();
        QApplication::setActiveWindow(&dialog);
        dialog.eraBox()->setCurrentIndex(era);
        dialog.dateBox()->setFocus();
        QStringList told;
        QTimer closer;
        closer.callOnTimeout([&] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                told << box->text();
                box->done(QMessageBox::Ok);
            }
        });
        closer.start(5);
        Prompts::stopScripting();
        dialog.dateBox()->selectAll();
        QTest::keyClicks(dialog.dateBox(), typed);
        Prompts::startScripting();
        EXPECT_EQ(told, QStringList{QString::fromUtf16(message)}) << typed;
        EXPECT_EQ(dialog.dateBox()->text(), era == 2 ? "01/01/08" : "01/09/08");
    }
}

TEST_F(NameWindowsTest, Pictures) {
    const QString folder = qEnvironmentVariable("SORVIK_PICTURES");
    std::vector<NameList::Row> rows(3000);
    const QString kana = QStringLiteral("あいうえおかきくけこさしすせそたちつてと");
    for (int i = 0; i < 3000; ++i) {
        rows[i][NameList::kName] =
            QStringLiteral("山田") + kana.mid(i % 20, 1) + QString::number(i);
        rows[i][NameList::kSex] = i % 2 ? QStringLiteral("女") : QStringLiteral("男");
        rows[i][NameList::kDate] =
            QDate(1940, 1, 1).addDays(i * 13).toString(QStringLiteral("yyyy/MM/dd"));
        rows[i][NameList::kTime] =
            i % 7 ? QStringLiteral("%1:30").arg(i % 24, 2, 10, QLatin1Char('0'))
                  : QStringLiteral("99:99");
    }
    list.reset(rows);
    window.MeiMakeBtnClick();
    window.show();
    window.grid()->goToRow(3);
    window.updateCount();
    const QPixmap names = window.grab();
    // Scrolled to the last palace, the names stay at the left.
    window.grid()->horizontalScrollBar()->setValue(window.grid()->horizontalScrollBar()->maximum());
    const QPixmap scrolled = window.grab();
    EXPECT_EQ(window.datCount()->text(), "3000件");

    bar.nameBox()->setEditText("山田");
    bar.dateBox()->setText("1990/05/01");
    TJListF times(services, QDate(1990, 5, 1));
    times.show();
    const QPixmap timePicture = times.grab();

    TWaEntF era(QDate(2024, 5, 1), dir.path());
    era.show();
    const QPixmap eraPicture = era.grab();
    if (!folder.isEmpty()) {
        names.save(QDir(folder).filePath("name_list.png"));
        scrolled.save(QDir(folder).filePath("name_list_scrolled.png"));
        timePicture.save(QDir(folder).filePath("time_list.png"));
        eraPicture.save(QDir(folder).filePath("era_entry.png"));
    }
}

}  // namespace
}  // namespace sorvik::ui
