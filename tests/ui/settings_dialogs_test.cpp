#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFontDatabase>
#include <QFontInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <QTabWidget>
#include <QTableView>
#include <QTableWidget>
#include <QTimer>

#include "platform/profile_file.h"
#include "settings/gaiji.h"
#include "shell_fixture.h"
#include "ui/common/app_fonts.h"
#include "ui/common/system_font.h"
#include "ui/settings/gaiji_dialog.h"
#include "ui/settings/settings_windows.h"
#include "ui/settings/system_settings_dialog.h"
#include "ui/settings/zi_wei_settings_dialog.h"

#include <gtest/gtest.h>

namespace sorvik::ui {
namespace {

using platform::Prompts;

QStringList shownTexts() {
    const QStringList texts = Prompts::shownTexts();
    Prompts::clearShownBoxes();
    return texts;
}

void click(QWidget& dialog, const char* name) {
    dialog.findChild<QPushButton*>(QString::fromLatin1(name))->click();
}

TEST(TGaijiF, PreviewsTheCodeRefusesToCloseOnABadOneAndAsksForARestart) {
    testing::ShellFixture shell;
    TGaijiF dialog(shell.appDir, *shell.keys);
    dialog.show();
    EXPECT_EQ(dialog.codeBox()->text(), "8E45");
    EXPECT_EQ(dialog.previewText(), "殺");

    dialog.codeBox()->setText("8E4");
    click(dialog, "OKBtn");
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(shownTexts(), QStringList{"文字ｺｰﾄﾞは、４文字で指定して下さい。"});
    dialog.close();  // the close box is refused too
    EXPECT_TRUE(dialog.isVisible());
    shownTexts();

    dialog.codeBox()->setText("8G45");
    click(dialog, "Button1");
    EXPECT_EQ(shownTexts(), QStringList{"『8G45』は、不正なS-JISｺｰﾄﾞです。"});
    click(dialog, "CancelBtn");  // back to the code it opened with, no message
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_TRUE(shownTexts().isEmpty());
    EXPECT_EQ(settings::storedSpecialCharCode(*shell.keys), "8E45");

    dialog.show();
    dialog.codeBox()->setText("93ab");
    click(dialog, "Button1");
    EXPECT_EQ(dialog.previewText(), "騰");
    click(dialog, "OKBtn");
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(shownTexts(),
              QStringList{"『Sorvik Ver2.69』を一旦終了後、\r\n再度、本ソフトを起動する"
                          "と、変更された特殊文字が有効となります。"});
    EXPECT_EQ(settings::storedSpecialCharCode(*shell.keys), "93ab");

    dialog.show();  // reopened without a change: no message
    click(dialog, "OKBtn");
    EXPECT_TRUE(shownTexts().isEmpty());

    // A run builds its star names with the stored character.
    const auto window = shell.makeWindow();
    EXPECT_EQ(shell.context().starNames()[60], "陰騰");
}

class SystemDialogTest : public ::testing::Test {
  protected:
    SystemDialogTest() {
        Prompts::clearShownBoxes();
        window = shell.makeWindow();
        window->setDefSysFile("Default.ini");
        store = std::make_unique<settings::SystemSettings>(shell.appDir, *shell.keys,
                                                           shell.context().starNames());
        dialog = std::make_unique<TSysF>(*window, *store);
    }
    void chooseItem(int row, int column, const QString& item) {
        dialog->infoTable()->setCurrentIndex(dialog->infoTable()->model()->index(row, column));
        QComboBox* list = dialog->infoItemList();
        list->setCurrentIndex(list->findText(item));
        emit list->activated(list->currentIndex());
    }
    QString settingsFile() const { return QDir(shell.appDir).filePath("Default.ini"); }

    testing::ShellFixture shell;
    std::unique_ptr<TMainF> window;
    std::unique_ptr<settings::SystemSettings> store;
    std::unique_ptr<TSysF> dialog;
};

TEST_F(SystemDialogTest, OkRefusesUntilTwoInfoRowsAndAValidDateThenWritesTheFile) {
    dialog->show();
    EXPECT_FALSE(dialog->OKBtnClick());
    EXPECT_EQ(shownTexts(), QStringList{"命盤宮欄は、必ず２行以上になるように、指定して下さい。"});
    EXPECT_FALSE(QFile::exists(settingsFile()));

    chooseItem(0, 0, "干");
    EXPECT_EQ(store->KCSG(1, 1), "干");
    chooseItem(1, 2, "大限");
    EXPECT_EQ(store->CountInfoRows(), 2);
    // The list follows the current cell.
    dialog->infoTable()->setCurrentIndex(dialog->infoTable()->model()->index(0, 0));
    EXPECT_EQ(dialog->infoItemList()->currentText(), "干");

    dialog->dateField()->setText("2023/02/29");
    EXPECT_FALSE(dialog->OKBtnClick());
    EXPECT_EQ(shownTexts(), QStringList{"造命日付指定が不正です。"});
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_EQ(dialog->tabs()->currentIndex(), 0);

    dialog->dateField()->setText("9999/12/31");
    EXPECT_TRUE(dialog->OKBtnClick());
    EXPECT_FALSE(dialog->isVisible());
    const platform::ProfileFile file(settingsFile());
    EXPECT_EQ(file.readString("Sys", "KCSG2"), "２行目,表示無し,表示無し,大限,表示無し,表示無し,,");
    EXPECT_EQ(file.readString("Sys", "DateE"), "9999/12/31");
}

TEST_F(SystemDialogTest, CancelRestoresThePanelsFromTheFileButKeepsPickedFonts) {
    QFile out(settingsFile());
    ASSERT_TRUE(out.open(QIODevice::WriteOnly));
    out.write("[Sys]\r\nCPnl0=255\r\nMeiFont=FileFace\r\n");
    out.close();
    dialog->LoadSettings();
    dialog->show();
    EXPECT_EQ(store->palaceColour(settings::kSelectedPalace), QColor(Qt::red));

    dialog->pickColour = [](const QColor&) { return std::optional<QColor>(QColor(Qt::blue)); };
    dialog->pickFont = [](const QFont&) {
        QFont font("Picked");
        font.setPointSize(15);
        font.setBold(true);
        return std::optional<QFont>(font);
    };
    dialog->pickPanelColour(settings::kSelectedPalace);
    EXPECT_EQ(store->palaceColour(settings::kSelectedPalace), QColor(Qt::blue));
    dialog->pickFontFor(settings::kChartFont);
    dialog->pickFontFor(settings::kDescriptionFont);
    EXPECT_EQ(dialog->findChild<QLabel*>("MeiFont")->text(), "Picked");

    dialog->CancelBtnClick();
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(store->palaceColour(settings::kSelectedPalace), QColor(Qt::red));
    EXPECT_EQ(store->font(settings::kChartFont).name, "FileFace");
    EXPECT_EQ(store->font(settings::kChartFont).size, 15);
    EXPECT_EQ(store->font(settings::kDescriptionFont).name, "Picked");
    // Closing wrote the fonts.
    EXPECT_EQ(shell.keys->readText("Software\\Velmora\\TQLX4\\SetuFont", "Name"), "Picked");
    EXPECT_EQ(shell.keys->readText("Software\\Velmora\\TQLX4\\MeiFont", "Style"), "1");

    // "参照" colours the current star row.
    dialog->starTable()->setCurrentIndex(dialog->starTable()->model()->index(9, 0));
    dialog->pickStarColour();
    EXPECT_EQ(store->SG1(10, 1), "16711680");
    EXPECT_EQ(store->starColour(10), QColor(Qt::blue));
}

// The designed faces are Windows fonts: here the dialog must open on the face that stands in for
// them, at the stored size and style, and OK without a change must leave the setting alone.
TEST_F(SystemDialogTest, TheFontDialogOpensOnTheSettingsFontAndAnUnchangedOkKeepsIt) {
    installFontSubstitutes();
    const settings::FontSetting stored[] = {
        {"ＭＳ Ｐ明朝", 9, 0, 0},
        {"ＭＳ 明朝", 12, settings::kBold | settings::kItalic, 255},
        {"ＭＳ Ｐゴシック", 11, settings::kUnderline, 0},
        {"IPAGothic", 10, settings::kBold, 0},
    };
    for (int i = 0; i < settings::kFontCount; ++i) {
        const auto role = settings::FontRole(i);
        const settings::FontSetting before = stored[i];
        store->setFont(role, before);
        const QString label = dialog->findChild<QLabel*>(settings::fontKeyName(role))->text();
        dialog->pickFontFor(role);
        const QFont offered = Prompts::offeredFonts().back();
        EXPECT_TRUE(QFontDatabase::families().contains(offered.family()))
            << offered.family().toStdString();
        EXPECT_EQ(offered.family(), QFontInfo(toQFont(before)).family())
            << before.name.toStdString();
        EXPECT_TRUE(offered.family().startsWith("IPA")) << offered.family().toStdString();
        EXPECT_EQ(offered.pointSize(), before.size);
        EXPECT_EQ(fromQFont(offered, before.color).style, before.style);
        EXPECT_EQ(store->font(role), before) << before.name.toStdString();
        EXPECT_EQ(dialog->findChild<QLabel*>(settings::fontKeyName(role))->text(), label);
    }
}

TEST_F(SystemDialogTest, TheColourColumnShowsASwatchWithTheNumberInItsHint) {
    dialog->show();
    dialog->tabs()->setCurrentIndex(2);
    QTableView* table = dialog->starTable();
    table->setCurrentIndex(table->model()->index(0, 0));
    dialog->pickColour = [](const QColor&) { return std::optional<QColor>(QColor(Qt::red)); };
    dialog->pickStarColour();
    QApplication::processEvents();

    const QModelIndex cell = table->model()->index(0, settings::kColourShownColumn);
    EXPECT_EQ(cell.data(Qt::ToolTipRole).toString(), "255");
    const QImage shown = table->viewport()->grab().toImage();
    EXPECT_EQ(QColor(shown.pixel(table->visualRect(cell).center())), QColor(Qt::red));
    // A star without a colour of its own is drawn in black, and so is its swatch.
    const QModelIndex plain = table->model()->index(1, settings::kColourShownColumn);
    EXPECT_EQ(QColor(shown.pixel(table->visualRect(plain).center())), QColor(Qt::black));
}

TEST_F(SystemDialogTest, PrintPreviewOnlyForTheTwoTables) {
    QString opened;
    dialog->openPrintPreview = [&](const QString& title, const QTableView&) { opened = title; };
    dialog->tabs()->setCurrentIndex(0);
    dialog->printPreview();
    EXPECT_EQ(shownTexts(), QStringList{"この項は、印刷できません。"});
    dialog->tabs()->setCurrentIndex(2);
    dialog->printPreview();
    EXPECT_EQ(opened, "星の表示");
}

class ZiWeiDialogTest : public ::testing::Test {
  protected:
    ZiWeiDialogTest() {
        for (const char* name : {"HOSISUU.DAT", "HOSIBYOU.DAT"}) {
            QFile::copy(QDir(SORVIK_DATA_DIR).filePath(name), QDir(shell.appDir).filePath(name));
        }
        store = std::make_unique<settings::ZiWeiSettings>(shell.appDir, *shell.keys, names);
        store->startUp();
        dialog = std::make_unique<TUSysF>(shell.appDir, *store, nullptr);
        dialog->show();
        Prompts::clearShownBoxes();
    }

    testing::ShellFixture shell;
    engine::StarDisplayNames names = engine::BuildStarDisplayNames("殺");
    std::unique_ptr<settings::ZiWeiSettings> store;
    std::unique_ptr<TUSysF> dialog;
};

TEST_F(ZiWeiDialogTest, TheRatioBarsKeepTheirSumAtOneHundred) {
    struct Case {
        int bar;
        int position;
        settings::LuckRatios expected;
    };
    const Case cases[] = {
        {0, 70, {70, 30, 0}},  {0, 20, {20, 70, 10}}, {1, 45, {60, 40, 0}},
        {1, 20, {60, 30, 10}}, {2, 20, {60, 20, 20}}, {2, 0, {70, 30, 0}},
    };
    for (const Case& c : cases) {
        store->setLuckRatios({60, 30, 10});
        dialog->refresh();
        dialog->moveBar(c.bar, c.position);
        EXPECT_EQ(store->luckRatios(), c.expected) << c.bar << " " << c.position;
        EXPECT_EQ(dialog->barPosition(0), c.expected.major);
        EXPECT_EQ(dialog->barPosition(1), c.expected.minor);
        EXPECT_EQ(dialog->barPosition(2), c.expected.year);
        EXPECT_EQ(dialog->barLabel(2), QString::number(c.expected.year) + "%");
    }
}

TEST_F(ZiWeiDialogTest, OkRefusesABadPalaceNameThenABadCellAndMakesItCurrent) {
    dialog->tabs()->setCurrentIndex(3);
    dialog->palaceNameGrid()->item(1, 2)->setText("夫妻");
    EXPECT_FALSE(dialog->OKBtnClick());
    EXPECT_EQ(shownTexts(), QStringList{"宮の名称「夫妻」は、全角３文字で指定してください。"});
    EXPECT_EQ(dialog->palaceNameGrid()->currentRow(), 1);
    EXPECT_EQ(dialog->palaceNameGrid()->currentColumn(), 2);
    EXPECT_TRUE(dialog->isVisible());
    dialog->palaceNameGrid()->item(1, 2)->setText("夫婦宮");

    QTableView* powers = dialog->gridView(settings::Grid::Powers);
    powers->model()->setData(powers->model()->index(4, 2), "11");  // 天同 at 寅
    EXPECT_FALSE(dialog->OKBtnClick());
    EXPECT_EQ(shownTexts(), QStringList{"「11」は、範囲外の数値です。"});
    EXPECT_EQ(powers->currentIndex(), powers->model()->index(4, 2));
    EXPECT_EQ(dialog->tabs()->currentIndex(), 3);  // the tab stays

    powers->model()->setData(powers->model()->index(4, 2), "");  // an empty cell becomes 0
    QTableView* numbers = dialog->gridView(settings::Grid::Numbers);
    numbers->model()->setData(numbers->model()->index(3, 1), "x");
    EXPECT_FALSE(dialog->OKBtnClick());
    EXPECT_EQ(shownTexts(), QStringList{"「x」は、数値ではありません。"});
    EXPECT_EQ(numbers->currentIndex(), numbers->model()->index(3, 1));
    EXPECT_EQ(store->cell(settings::Grid::Powers, 5, 3), "0");

    numbers->model()->setData(numbers->model()->index(3, 1), "40");
    EXPECT_TRUE(dialog->OKBtnClick());
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(store->palaceNameTable()[2], "夫婦宮");
}

TEST_F(ZiWeiDialogTest, CancelAndTheCloseBoxDropTheEdits) {
    const QString before = store->cell(settings::Grid::Powers, 1, 1);
    for (const bool closeBox : {false, true}) {
        dialog->show();
        QTableView* powers = dialog->gridView(settings::Grid::Powers);
        powers->model()->setData(powers->model()->index(0, 0), "zz");
        dialog->palaceNameGrid()->item(3, 0)->setText("奴隷");
        dialog->moveBar(2, 30);
        if (closeBox) {
            dialog->close();
        } else {
            click(*dialog, "CancelBtn");
        }
        EXPECT_FALSE(dialog->isVisible());
        EXPECT_EQ(store->cell(settings::Grid::Powers, 1, 1), before);
        EXPECT_EQ(store->userPalaceNames()[6], "遷移宮");
        EXPECT_EQ(store->luckRatios(), (settings::LuckRatios{60, 30, 10}));
        EXPECT_EQ(dialog->palaceNameGrid()->item(3, 0)->text(), "遷移宮");
    }
}

TEST_F(ZiWeiDialogTest, TheShippedSettingsFileMeetsTheStartUpCheck) {
    QFile::copy(QDir(SORVIK_DATA_DIR).filePath("Default.ini"),
                QDir(shell.appDir).filePath("Default.ini"));
    auto window = shell.makeWindow();
    EXPECT_EQ(window->defSysFile(), "Default.ini");
    auto* windows = new SettingsWindows(*window, shell.context());
    windows->checkSettingsFile();
    EXPECT_TRUE(shownTexts().isEmpty());
    EXPECT_EQ(shell.context().systemSettings().CountInfoRows(), 3);
    EXPECT_EQ(shell.context().systemSettings().SG1(60, 0), "陰殺");
}

// Without a settings file the start-up message opens the dialog, whose OK refuses the bare
// defaults: "初期値に戻す" and OK get the user out, and the message does not come back.
TEST_F(ZiWeiDialogTest, AMissingSettingsFileIsLeftWithOneClick) {
    auto window = shell.makeWindow();
    auto* windows = new SettingsWindows(*window, shell.context());
    TSysF& sys = windows->systemDialog();
    const QString message =
        "起動時のｼｽﾃﾑ設定ﾌｧｲﾙが読込できませんでした。\n\rｼｽﾃﾑ設定を確認して下さい。";
    bool refused = false;
    QTimer::singleShot(0, &sys, [&] {
        click(sys, "DefaultsBtn");
        click(sys, "OKBtn");
        refused = sys.isVisible();
        if (refused) {
            sys.reject();
        }
    });
    windows->checkSettingsFile();
    EXPECT_FALSE(refused) << shownTexts().join('|').toStdString();
    EXPECT_EQ(shownTexts(), QStringList{message});
    const settings::SystemSettings& system = shell.context().systemSettings();
    EXPECT_TRUE(system.settingsFileExists());
    EXPECT_EQ(system.CountInfoRows(), 3);
    EXPECT_EQ(system.settingsFileName(), window->defSysFile());
    windows->checkSettingsFile();
    EXPECT_TRUE(shownTexts().isEmpty());
}

// Every tab of the three dialogs as a picture; with SORVIK_PICTURES set they are saved there
// as PNG files to look at.
TEST_F(ZiWeiDialogTest, EveryTabRenders) {
    const QString folder = qEnvironmentVariable("SORVIK_PICTURES");
    const auto save = [&](QWidget& widget, const QString& name) {
        const QPixmap picture = widget.grab();
        EXPECT_FALSE(picture.isNull());
        if (!folder.isEmpty()) {
            picture.save(QDir(folder).filePath(name + ".png"));
        }
    };
    for (int tab = 0; tab < dialog->tabs()->count(); ++tab) {
        dialog->tabs()->setCurrentIndex(tab);
        save(*dialog, QString("usysf_%1").arg(tab));
    }

    QFile::copy(QDir(SORVIK_DATA_DIR).filePath("Default.ini"),
                QDir(shell.appDir).filePath("Default.ini"));
    auto window = shell.makeWindow();
    window->setDefSysFile("Default.ini");
    settings::SystemSettings system(shell.appDir, *shell.keys, shell.context().starNames());
    TSysF sys(*window, system);
    sys.show();
    for (int tab = 0; tab < sys.tabs()->count(); ++tab) {
        sys.tabs()->setCurrentIndex(tab);
        save(sys, QString("sysf_%1").arg(tab));
    }
    TGaijiF gaiji(shell.appDir, *shell.keys);
    gaiji.show();
    save(gaiji, "gaijif");
}

}  // namespace
}  // namespace sorvik::ui
