#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QPushButton>
#include <QScrollArea>
#include <QTemporaryDir>
#include <QTest>
#include <QWheelEvent>

#include <gtest/gtest.h>

#include "calendar_fixture.h"
#include "mdi_requests.h"
#include "platform/clock.h"
#include "platform/key_store.h"
#include "platform/prompts.h"
#include "records/name_file.h"
#include "settings/system_settings.h"
#include "settings/zi_wei_settings.h"
#include "shell_fixture.h"
#include "strength/palace_cells.h"
#include "ui/chart/chart_grid_view.h"
#include "ui/chart/chart_window.h"
#include "ui/chart/pattern_list.h"
#include "ui/common/app_fonts.h"
#include "ui/common/system_font.h"
#include "ui/entry/entry_bar.h"
#include "ui/shell/name_file_commands.h"

namespace sorvik::ui {
namespace {

using platform::Answer;
using platform::Prompts;

// The shipped settings file and tables in a program folder of its own, a calendar of
// 1984-1985, the clock at 1985/3/1 12:00, an MDI area and the entry bar over them.
class ChartRequestTest : public ::testing::Test {
  protected:
    ChartRequestTest() {
        Prompts::startScripting();
        Prompts::clearShownBoxes();
        platform::Clock::setNow(QDateTime(QDate(1985, 3, 1), QTime(12, 0)));
        QFile::copy(SORVIK_DATA_DIR "/Default.ini", dir.filePath("Default.ini"));
        system.LoadSettings();
        ziwei.startUp();
        mdi.resize(1200, 900);
    }
    ~ChartRequestTest() override {
        platform::Clock::setNow({});
        Prompts::stopScripting();
    }

    void type(const QString& name, int sex, const QString& date, const QString& time) {
        testing::typePerson(bar, name, sex, date, time);
    }
    TMeibF* chartWindow(int index = 0) const {
        return qobject_cast<TMeibF*>(mdi.subWindowList().at(index)->widget());
    }
    QString labelText(const TMeibF* window, const char* name) const {
        return window->label(QString::fromLatin1(name))->text();
    }
    QStringList messages() const { return Prompts::shownTexts(); }

    QTemporaryDir dir;
    platform::KeyStore keys{dir.filePath("registry.ini")};
    engine::StarDisplayNames names{"殺"};
    engine::CalendarTable calendar = engine::testing::calendar1984();
    settings::SystemSettings system{dir.path() + u'/', keys, names};
    settings::ZiWeiSettings ziwei{SORVIK_DATA_DIR, keys, names};
    records::NameList list;
    records::NameFileSession session{list, dir.path() + u'/'};
    QMdiArea mdi;
    ChartServices services{calendar, names, ziwei, system, {}, {}, {}, {}, {}, {}};
    testing::MdiRequests requests{mdi, session, services};
    EntBar bar{{calendar, system, list, requests}};
};

TEST_F(ChartRequestTest, TheWorkedChartFromTheEntryBar) {
    type("山田太郎", 0, "1984/02/02", "12:00");
    QTest::mouseClick(bar.chartButton(), Qt::LeftButton);
    ASSERT_EQ(mdi.subWindowList().size(), 1);
    const TMeibF* window = chartWindow();
    EXPECT_EQ(mdi.subWindowList()[0]->windowTitle(), "山田太郎 さんの命盤");
    EXPECT_EQ(labelText(window, "Name"), "氏名：山田太郎");
    EXPECT_EQ(labelText(window, "Date"), "1984/02/02 12:00生");
    EXPECT_EQ(labelText(window, "Inyo"), "陽男");
    EXPECT_EQ(labelText(window, "InDate"), "旧暦1984年1月1日午時");
    EXPECT_EQ(labelText(window, "Kyoku"), "金四局 年:甲子");
    EXPECT_TRUE(labelText(window, "Mei").startsWith("命宮：申"));
    EXPECT_EQ(labelText(window, "ZNen"), "1985/3/1 12:0  ");
    EXPECT_EQ(labelText(window, "ZKS"), "乙丑年 ");
    EXPECT_EQ(labelText(window, "Kazoe"), QString::fromStdString(window->chart().labels.Kazoe));
    EXPECT_TRUE(window->patternList()->names().contains("巨日同格"));
    EXPECT_FALSE(window->targetYearsDiffer());

    // The grid holds what the cell fill gives for the engine's chart.
    engine::ChartRecord record = window->chart().record;
    strength::ChartGrid expected(window->grid().shape());
    const settings::LiveCellSettings cells(system, ziwei);
    strength::FillPalaceCells(expected, record, window->chart().placement.stars,
                              window->chart().target.yearStem, window->chart().monthlyLuckDates,
                              names, cells, ziwei);
    int filled = 0;
    for (int row = 0; row < expected.rowCount(); ++row) {
        for (int column = 0; column < expected.columnCount(); ++column) {
            ASSERT_EQ(window->grid().text(column, row), expected.text(column, row));
            filled += !expected.text(column, row).empty();
        }
    }
    EXPECT_GT(filled, 100);
    EXPECT_EQ(window->grid().shape().infoRows, system.CountInfoRows());

    // The person is kept, the bar cleared but for the sex, the windows tiled.
    EXPECT_EQ(list.cell(0, 0), "山田太郎");
    EXPECT_EQ(list.cell(0, 2), "1984/02/02");
    EXPECT_TRUE(bar.nameBox()->currentText().isEmpty());
    EXPECT_EQ(bar.dateBox()->text(), "//");
    EXPECT_EQ(bar.sexBox()->currentText(), "男");
    EXPECT_EQ(requests.tiles, 1);

    // A second request for the name only brings its window back.
    type("山田太郎", 1, "1990/01/01", "00:00");
    bar.MeiBtnClick();
    EXPECT_EQ(mdi.subWindowList().size(), 1);
    EXPECT_EQ(list.rowCount(), 1);
}

TEST_F(ChartRequestTest, RefusalsBeepAndSayWhy) {
    struct Case {
        const char* name;
        const char* date;
        const char* time;
        const char* message;  // empty: the beep alone
        const char* focus;    // where the corrected entry is typed
        const char* marked;   // the field shown at fault
        const char* reason;   // in the status bar; empty: the message
    };
    const Case cases[] = {
        {"", "1984/02/02", "12:00", "", "NameE", "NameE", "氏名が入力されていません。"},
        {"a&b", "1984/02/02", "12:00", "氏名欄に、半角の＆・カンマは使用できません。", "NameE",
         "NameE", ""},
        {"a,b", "1984/02/02", "12:00", "氏名欄に、半角の＆・カンマは使用できません。", "NameE",
         "NameE", ""},
        {"a\U0001F600", "1984/02/02", "12:00",
         "文字「\U0001F600」(U+1F600)は、Shift-JISで保存できません。", "NameE", "NameE", ""},
        {"a", "1985/02/30", "12:00", "", "DateE", "DateE", "日付が正しくありません。"},
        {"a", "1985/02/", "12:00", "", "DateE", "DateE", "日付が正しくありません。"},
        {"a", "1985/02/01", "25:00", "", "TimeE", "TimeE", "時間が正しくありません。"},
        {"a", "1990/01/01", "12:00", "『1990/01/01』は、日付変換可能範囲外です。", "DateE", "DateE",
         ""},
    };
    QStringList status;
    QObject::connect(&bar, &EntBar::statusMessage, &bar,
                     [&status](const QString& text) { status << text; });
    bar.show();
    for (const Case& c : cases) {
        Prompts::clearShownBoxes();
        status.clear();
        const int beeps = Prompts::beepCount();
        type(QString::fromUtf8(c.name), 0, c.date, c.time);
        bar.MeiBtnClick();
        EXPECT_EQ(Prompts::beepCount(), beeps + 1) << c.name << c.date;
        EXPECT_EQ(messages().join(""), QString::fromUtf8(c.message)) << c.name << c.date;
        const auto focused = [this] {
            QWidget* focus = bar.focusWidget();
            if (focus == nullptr) {
                return QString();
            }
            return focus->objectName().isEmpty() && focus->parentWidget()
                       ? focus->parentWidget()->objectName()
                       : focus->objectName();
        };
        EXPECT_EQ(focused(), c.focus) << c.name << c.date;
        // The main window's activation after the message box leaves the focus there.
        bar.focusEntry();
        EXPECT_EQ(focused(), c.focus) << c.name << c.date;
        // The cue: the field marked, the reason in the status bar, both gone at the next key.
        ASSERT_NE(bar.refusedField(), nullptr) << c.name << c.date;
        EXPECT_EQ(bar.refusedField()->objectName(), c.marked) << c.name << c.date;
        const QString reason = QString::fromUtf8(*c.reason != '\0' ? c.reason : c.message);
        EXPECT_EQ(status.value(status.size() - 1), reason) << c.name << c.date;
        QTest::keyClick(
            bar.refusedField() == bar.nameBox() ? bar.nameBox()->lineEdit() : bar.refusedField(),
            Qt::Key_Home);
        EXPECT_EQ(bar.refusedField(), nullptr) << c.name << c.date;
        EXPECT_EQ(status.value(status.size() - 1), "") << c.name << c.date;
    }
    EXPECT_TRUE(mdi.subWindowList().isEmpty());
    EXPECT_TRUE(list.isEmpty());

    // The full-width ampersand is a name like any other.
    type("a＆b", 0, "1984/02/02", "12:00");
    bar.MeiBtnClick();
    EXPECT_EQ(mdi.subWindowList().size(), 1);
}

TEST_F(ChartRequestTest, NoToTheReplaceQuestionKeepsListAndBar) {
    ASSERT_TRUE(addPerson(session, "a", "女", "1984/05/05", "05:00"));
    type("a", 0, "1984/02/02", "12:00");
    Prompts::queueAnswer(Answer::No);
    bar.MeiBtnClick();
    EXPECT_EQ(messages(), QStringList({"既に同じ名前で登録されています。置き換えますか？"}));
    EXPECT_TRUE(mdi.subWindowList().isEmpty());
    EXPECT_EQ(list.cell(0, 1), "女");
    EXPECT_EQ(bar.nameBox()->currentText(), "a");
    EXPECT_EQ(bar.dateBox()->text(), "1984/02/02");

    // Picking the stored person fills the bar from the list.
    bar.NameEDropDown();
    bar.pickPerson(0);
    EXPECT_EQ(bar.sexBox()->currentText(), "女");
    EXPECT_EQ(bar.dateBox()->text(), "1984/05/05");
    EXPECT_EQ(bar.timeBox()->text(), "05:00");
}

TEST_F(ChartRequestTest, ChoosingFromTheDropDownFillsTheBar) {
    ASSERT_TRUE(addPerson(session, "a", "女", "1984/05/05", "05:00"));
    ASSERT_TRUE(addPerson(session, "b", "男", "1985/01/01", "23:00"));
    ASSERT_TRUE(addPerson(session, "c", "女", "1984/12/12", "00:00"));
    bar.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&bar));
    bar.nameBox()->showPopup();
    QAbstractItemView* view = bar.nameBox()->view();
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {},
                      view->visualRect(view->model()->index(1, 0)).center());
    EXPECT_EQ(bar.nameBox()->currentText(), "b");
    EXPECT_EQ(bar.sexBox()->currentText(), "男");
    EXPECT_EQ(bar.dateBox()->text(), "1985/01/01");
    EXPECT_EQ(bar.timeBox()->text(), "23:00");

    // After a sort no person is marked: the arrow key starts from the top of the new order.
    list.reorder({2, 0, 1});
    EXPECT_EQ(bar.nameBox()->currentText(), "b");
    QTest::keyClick(bar.nameBox()->lineEdit(), Qt::Key_Down);
    EXPECT_EQ(bar.nameBox()->currentText(), "c");
    EXPECT_EQ(bar.sexBox()->currentText(), "女");
    EXPECT_EQ(bar.dateBox()->text(), "1984/12/12");
}

TEST_F(ChartRequestTest, TargetDateButtonsCountOnPastTheTable) {
    type("a", 0, "1984/02/02", "12:00");
    bar.MeiBtnClick();
    TMeibF* window = chartWindow();
    const int age = window->record().header()[engine::kHeaderAge];
    EXPECT_EQ(age, 2);

    QTest::mouseClick(window->button("BefBtn"), Qt::LeftButton);  // 1984/3/1: still 甲子
    EXPECT_EQ(labelText(window, "ZNen"), "1984/3/1 12:0  ");
    EXPECT_EQ(labelText(window, "ZKS"), "甲子年 ");
    EXPECT_EQ(window->record().header()[engine::kHeaderAge], 1);

    window->ChangeTargetDate(TMeibF::kDefault);
    window->ChangeTargetDate(TMeibF::kNextYear);  // 1986/3/1 lies past the table
    EXPECT_EQ(labelText(window, "ZNen"), "1986/3/1 12:0  ");
    EXPECT_EQ(labelText(window, "ZKS"), "丙寅年 ");
    EXPECT_EQ(window->record().header()[engine::kHeaderAge], 3);
    EXPECT_TRUE(labelText(window, "Kazoe").startsWith("数え3歳　斗君:"));
    for (const std::string& date : window->chart().monthlyLuckDates) {
        EXPECT_TRUE(date.empty());
    }
    window->ChangeTargetDate(TMeibF::kNextYear);
    EXPECT_EQ(labelText(window, "ZKS"), "丁卯年 ");
    EXPECT_EQ(window->record().header()[engine::kHeaderAge], 4);

    // January 1985 is still the lunar year 1984.
    platform::Clock::setNow(QDateTime(QDate(1985, 1, 20), QTime(9, 30)));
    window->ChangeTargetDate(TMeibF::kDefault);
    EXPECT_TRUE(window->targetYearsDiffer());
    EXPECT_TRUE(window->targetHint().startsWith("西暦1985/1/20 9:30  > 旧暦1984年"));
    EXPECT_TRUE(window->targetHint().endsWith("詳細は、ヘルプファイル等をご参照下さい。"));
}

TEST_F(ChartRequestTest, APalaceClickRecoloursAndChangesOnlyTheSelectionItems) {
    // One info row of the items that do not depend on the selection, one of those that do.
    for (int column = 1; column <= 6; ++column) {
        for (int row = 1; row <= 5; ++row) {
            system.setKCSG(row, column, QStringLiteral("表示無し"));
        }
    }
    system.setKCSG(1, 1, QStringLiteral("干"));
    system.setKCSG(1, 2, QStringLiteral("宮の名称"));
    system.setKCSG(1, 3, QStringLiteral("四化２"));
    system.setKCSG(2, 1, QStringLiteral("四化１"));
    system.setKCSG(2, 2, QStringLiteral("動宮"));
    type("a", 0, "1984/02/02", "12:00");
    bar.MeiBtnClick();
    TMeibF* window = chartWindow();
    const strength::ChartGrid before = window->grid();
    const int beeps = Prompts::beepCount();

    // Click inside 寅's block (the bottom-left one): selected, opposite 申, trines 午 and 戌.
    const strength::PalaceRect yin = window->grid().rects()[2];
    const QRect cell = window->gridView()->cellRect(yin.left + 1, yin.top);
    QTest::mouseClick(window->gridView(), Qt::LeftButton, {}, cell.center());
    EXPECT_EQ(window->record().selectedPalace, engine::Branch::Yin);
    EXPECT_EQ(Prompts::beepCount(), beeps + (system.beepOnPalaceClick() ? 1 : 0));
    const QImage image = window->gridView()->grab().toImage();
    const auto colourIn = [&](engine::Branch b) {
        const strength::PalaceRect r = window->grid().rects()[engine::index(b)];
        return image.pixelColor(window->gridView()->cellRect(r.left, r.bottom).topLeft() +
                                QPoint(1, 1));
    };
    using enum engine::Branch;
    EXPECT_EQ(colourIn(Yin), system.palaceColour(settings::kSelectedPalace));
    EXPECT_EQ(colourIn(Shen), system.palaceColour(settings::kOppositePalace));
    EXPECT_EQ(colourIn(Wu), system.palaceColour(settings::kTrinePalace));
    EXPECT_EQ(colourIn(Xu), system.palaceColour(settings::kTrinePalace));
    EXPECT_EQ(colourIn(Zi), system.palaceColour(settings::kOtherPalace));

    bool selectionRowChanged = false;
    for (const strength::PalaceRect& r : window->grid().rects()) {
        EXPECT_EQ(window->grid().text(r.left, r.bottom - 1), before.text(r.left, r.bottom - 1));
        selectionRowChanged |=
            window->grid().text(r.left, r.bottom) != before.text(r.left, r.bottom);
        for (int row = r.top; row < r.top + window->grid().shape().starRows; ++row) {
            for (int column = r.left; column <= r.right; ++column) {
                EXPECT_EQ(window->grid().text(column, row), before.text(column, row));
            }
        }
    }
    EXPECT_TRUE(selectionRowChanged);

    // A click on the centre panel goes back to the 命宮 (申).
    QTest::mouseClick(window->label("Name"), Qt::LeftButton);
    EXPECT_EQ(window->record().selectedPalace, Shen);
}

bool showsBlue(QWidget& widget) {
    const QImage image = widget.grab().toImage();
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            if (c.blue() > 200 && c.red() < 80 && c.green() < 80) {
                return true;
            }
        }
    }
    return false;
}

TEST_F(ChartRequestTest, NothingOffersAClickThatLeadsNowhere) {
    bar.show();
    // The luck button is off while the bar's requests make no luck window, and looks it.
    EXPECT_TRUE(showsBlue(*bar.chartButton()));
    EXPECT_FALSE(bar.luckButton()->isEnabled());
    EXPECT_FALSE(showsBlue(*bar.luckButton()));

    // 日付 and 時間 offer no click until their windows are given to them.
    const QStringList labels = {"DLabel", "TLabel"};
    for (const QString& name : labels) {
        const auto* label = bar.findChild<QLabel*>(name);
        EXPECT_FALSE(label->testAttribute(Qt::WA_SetCursor)) << name.toStdString();
    }
    QStringList opened;
    bar.setLabelCommands([&opened] { opened << "DLabel"; }, [&opened] { opened << "TLabel"; });
    for (const QString& name : labels) {
        auto* label = bar.findChild<QLabel*>(name);
        EXPECT_EQ(label->cursor().shape(), Qt::PointingHandCursor);
        QTest::mouseClick(label, Qt::LeftButton);
    }
    EXPECT_EQ(opened, labels);

    // The chart's ◎出力 offers its exports; the text export only with the texts of a start-up.
    type("a", 0, "1984/02/02", "12:00");
    bar.MeiBtnClick();
    QMenu* output = chartWindow()->popupMenu()->findChild<QMenu*>("OutPop");
    ASSERT_NE(output, nullptr);
    EXPECT_TRUE(output->menuAction()->isEnabled());
    QStringList items;
    for (const QAction* item : output->actions()) {
        EXPECT_EQ(item->isEnabled(), items.size() > 0) << item->text().toStdString();
        items << item->text();
    }
    EXPECT_EQ(items, (QStringList{"説明文の出力", "命盤HTML出力", "PDF出力"}));
}

TEST_F(ChartRequestTest, TheZoomScalesTheWholeChartAndIsKeptForTheNextOne) {
    int kept = 0;
    services.zoom = [&kept] { return kept == 0 ? 100 : kept; };
    services.zoomChosen = [&kept](int percent) { kept = percent; };
    mdi.show();
    type("a", 0, "1984/02/02", "12:00");
    bar.MeiBtnClick();
    TMeibF* window = chartWindow();
    EXPECT_EQ(window->zoom(), 100);
    // As in the main window: a style sheet above and the system font given to every control.
    mdi.setStyleSheet(QStringLiteral("QMenu { padding: 1px; }"));
    ApplySystemFont(*window, system);
    QApplication::processEvents();
    const QImage designed = window->grab().toImage();
    const QSize grid = window->gridView()->size();
    const QRect centre = window->findChild<QFrame*>("DatPnl")->geometry();
    const QSize patterns = window->patternList()->size();

    // Ctrl + wheel, Ctrl + plus and minus, the popup: one step each, up to 200 %.
    auto* viewport = window->findChild<QScrollArea*>("ScrollBox")->viewport();
    QWheelEvent wheel(QPointF(10, 10), viewport->mapToGlobal(QPointF(10, 10)), {}, {0, 120},
                      Qt::NoButton, Qt::ControlModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(viewport, &wheel);
    EXPECT_EQ(window->zoom(), 125);
    EXPECT_EQ(kept, 125);
    QApplication::setActiveWindow(&mdi);
    window->setFocus();
    QTest::keyClick(window, Qt::Key_Plus, Qt::ControlModifier);
    EXPECT_EQ(window->zoom(), 150);
    QTest::keyClick(window, Qt::Key_Minus, Qt::ControlModifier);
    EXPECT_EQ(window->zoom(), 125);
    QMenu* zooms = window->popupMenu()->findChild<QMenu*>("ZoomPop");
    ASSERT_NE(zooms, nullptr);
    zooms->actions().back()->trigger();
    EXPECT_EQ(window->zoom(), 200);
    EXPECT_EQ(kept, 200);
    window->stepZoom(1);
    EXPECT_EQ(window->zoom(), 200);

    // Grid, centre panel, its fonts and the pattern list all double.
    EXPECT_EQ(window->gridView()->size(), grid * 2);
    EXPECT_EQ(window->findChild<QFrame*>("DatPnl")->geometry(),
              QRect(centre.topLeft() * 2, centre.size() * 2));
    EXPECT_EQ(window->patternList()->size(), patterns * 2);
    EXPECT_EQ(window->label("Name")->font().pixelSize(), 24);
    EXPECT_GE(window->size().width(), designed.width() * 2 - 2);
    // A palace click lands where the palace is drawn.
    const strength::PalaceRect yin = window->grid().rects()[2];
    QTest::mouseClick(window->gridView(), Qt::LeftButton, {},
                      window->gridView()->cellRect(yin.left + 1, yin.top + 1).center());
    EXPECT_EQ(window->record().selectedPalace, engine::Branch::Yin);
    window->selectPalace(window->record().lifePalace());

    // The next chart opens at the kept zoom; back at 100 % the drawing is the designed one.
    type("b", 0, "1984/02/02", "12:00");
    bar.MeiBtnClick();
    TMeibF* next = nullptr;
    for (QMdiSubWindow* child : mdi.subWindowList()) {
        if (child->windowTitle() == "b さんの命盤") {
            next = qobject_cast<TMeibF*>(child->widget());
        }
    }
    ASSERT_NE(next, nullptr);
    EXPECT_EQ(next->zoom(), 200);
    window->setZoom(100);
    const QImage back = window->grab().toImage();
    if (back != designed) {
        designed.save("/tmp/newuser-designed.png");
        back.save("/tmp/newuser-back.png");
    }
    EXPECT_EQ(back, designed);
}

// A font picked in the settings reaches an open chart at its next paint; the rows keep their
// heights.
TEST_F(ChartRequestTest, AnOpenChartTakesNewFontFacesWhenTheSettingsChange) {
    type("a", 0, "1984/02/02", "12:00");
    bar.MeiBtnClick();
    TMeibF* window = chartWindow();
    const QSize size = window->size();
    const int starRow = window->gridView()->rowHeight(0);
    system.setFont(settings::kChartFont, {QStringLiteral("Chart Face"), 20, settings::kBold, 0});
    system.setFont(settings::kSystemFont, {QStringLiteral("System Face"), 20, 0, 0});
    window->applyFonts();
    for (const QWidget* widget :
         {static_cast<const QWidget*>(window), static_cast<const QWidget*>(window->gridView())}) {
        EXPECT_EQ(widget->font().family(), "Chart Face");
        EXPECT_EQ(widget->font().pixelSize(), 12);
        EXPECT_FALSE(widget->font().bold());
    }
    for (const char* name : {"Label1", "ZNen", "ZKS", "Name", "Kazoe"}) {
        EXPECT_EQ(window->label(QString::fromLatin1(name))->font().family(), "System Face") << name;
    }
    EXPECT_EQ(window->button("BefBtn")->font().family(), "System Face");
    EXPECT_EQ(window->size(), size);
    EXPECT_EQ(window->gridView()->rowHeight(0), starRow);
}

// Side by side, the powers "7", "10", "-8" and "10" stay inside their 15-pixel columns with a
// clear gap at either edge, so they never read as "710" or "-810".
TEST(ChartGridView, TwoDigitPowersKeepAGapToTheirNeighbours) {
    installFontSubstitutes();
    strength::ChartGrid grid(strength::GridShape{7, 2, 0});
    const char* const cells[] = {"貪狼7", "武曲10", "火星-8", "天府10"};
    for (int column = 0; column < 4; ++column) {
        grid.setText(column, 0, cells[column]);
    }
    ChartGridView view(grid, std::vector<int>(static_cast<std::size_t>(grid.rowCount()), 60));
    QFont font(QString::fromUtf16(kProportionalMincho));
    font.setPixelSize(12);
    view.setFont(font);
    const QImage image = view.grab().toImage();
    const int lineHeight = QFontMetrics(font).height();
    for (int column = 0; column < 4; ++column) {
        const QRect cell = view.cellRect(column, 0);
        for (const int x : {cell.left(), cell.left() + 1, cell.right() - 1, cell.right()}) {
            for (int y = cell.top() + 2 * lineHeight; y < cell.top() + 3 * lineHeight; ++y) {
                EXPECT_EQ(image.pixelColor(x, y), QColor(Qt::white))
                    << cells[column] << " x " << x - cell.left() << " y " << y - cell.top();
            }
        }
    }
}

// Renders the chart window for a look at it when SORVIK_PICTURES names a folder.
TEST_F(ChartRequestTest, Picture) {
    const QString folder = qEnvironmentVariable("SORVIK_PICTURES");
    type("山田太郎", 0, "1984/02/02", "12:00");
    bar.MeiBtnClick();
    TMeibF* window = chartWindow();
    const QPixmap picture = window->grab();
    EXPECT_EQ(picture.size(), window->size());
    if (!folder.isEmpty()) {
        picture.save(QDir(folder).filePath("chart_window.png"));
    }
}

}  // namespace
}  // namespace sorvik::ui
