#include <memory>

#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QMap>
#include <QMenu>
#include <QProgressBar>
#include <QPushButton>
#include <QTableView>
#include <QUrl>

#include <gtest/gtest.h>

#include "calendar_fixture.h"
#include "platform/atomic_file.h"
#include "platform/program_key.h"
#include "platform/shell_open.h"
#include "records/calendar_file.h"
#include "shell_fixture.h"
#include "ui/backup/backup_dialog.h"
#include "ui/backup/copy_files.h"
#include "ui/calendar_editor/calendar_editor.h"
#include "ui/shell/shell_windows.h"
#include "ui/tools/tools_dialog.h"

namespace sorvik::ui {
namespace {

using platform::Prompts;
using records::CalendarEditMode;

QStringList shownTexts() {
    const QStringList texts = Prompts::shownTexts();
    Prompts::clearShownBoxes();
    return texts;
}

QStringList menuTexts(const QMenu& menu) {
    QStringList texts;
    for (const QAction* item : menu.actions()) {
        texts << item->text();
    }
    return texts;
}

class CalendarEditorTest : public ::testing::Test {
  protected:
    CalendarEditorTest() {
        records::SaveCalendar(engine::testing::sampleCalendar(), shell.appDir + "INREKI.DAT");
        original = platform::readWholeFile(shell.appDir + "INREKI.DAT");
        table = records::LoadCalendar(shell.appDir);
    }
    testing::ShellFixture shell;
    QByteArray original;
    engine::CalendarTable table;
};

TEST_F(CalendarEditorTest, ARefusedEditIsToldAndLeavesTheTableAndCancelPutsItBack) {
    const auto loaded = table.lines();
    TKHyoF editor(shell.appDir, table);
    editor.show();
    shownTexts();
    editor.setMode(CalendarEditMode::AddLast);
    EXPECT_EQ(editor.dateBox()->text(), "2022/04/29");
    EXPECT_EQ(editor.yearBox()->text(), "2022");
    EXPECT_EQ(editor.monthBox()->currentText(), "  3");

    editor.monthBox()->setCurrentText("  4");  // 2 → 4 skips a month
    EXPECT_FALSE(editor.applyEdit());
    EXPECT_EQ(shownTexts(), QStringList{"2022/04/29 は、旧暦年月が不適当です。"});
    EXPECT_EQ(table.lines(), loaded);

    editor.dateBox()->setText("2022/02/30");
    EXPECT_FALSE(editor.applyEdit());
    EXPECT_EQ(shownTexts(), QStringList{"日付形式が不正です。"});

    editor.setMode(CalendarEditMode::AddLast);
    EXPECT_TRUE(editor.applyEdit());
    EXPECT_EQ(table.lines().back(), "20220429,2022,3");
    EXPECT_EQ(editor.dateBox()->text(), "2022/05/28") << "the next proposal";

    editor.reject();
    EXPECT_EQ(table.lines(), loaded);
}

// After an addition the grid shows the new month, selected, wherever the selection was before.
TEST_F(CalendarEditorTest, AnAddedMonthIsSelectedAndInView) {
    TKHyoF editor(shell.appDir, table);
    editor.show();
    const QTableView& grid = *editor.grid();
    const auto selected = [&] {
        const QModelIndexList rows = grid.selectionModel()->selectedRows();
        return rows.size() == 1 ? rows.front().row() : -1;
    };
    const auto inView = [&](int row) {
        return grid.viewport()->rect().contains(grid.visualRect(grid.model()->index(row, 0)));
    };
    editor.selectRow(0);
    editor.setMode(CalendarEditMode::AddLast);
    ASSERT_TRUE(editor.applyEdit());
    const int last = static_cast<int>(table.records().size()) - 1;
    EXPECT_EQ(selected(), last);
    EXPECT_TRUE(inView(last));

    editor.setMode(CalendarEditMode::AddFirst);
    ASSERT_TRUE(editor.applyEdit());
    EXPECT_EQ(selected(), 0);
    EXPECT_TRUE(inView(0));
    editor.reject();
}

TEST_F(CalendarEditorTest, SelectingARowChangesItAndDeletingAsksFirst) {
    TKHyoF editor(shell.appDir, table);
    editor.show();
    editor.selectRow(6);  // the leap fourth month, after a month of 29 days
    EXPECT_EQ(editor.mode(), CalendarEditMode::Change);
    EXPECT_EQ(editor.monthLength(), 29);
    EXPECT_EQ(editor.monthBox()->currentText(), " -4");
    shownTexts();

    Prompts::queueAnswer(platform::Answer::No);
    editor.deleteFirst();
    EXPECT_EQ(shownTexts(),
              QStringList{"旧暦 2019/11/ 1→\n\r西暦 2019/11/26 を削除してよろしいですか？"});
    EXPECT_EQ(table.records().front().startYmd, 20191126);
    editor.deleteFirst();
    EXPECT_EQ(table.records().front().startYmd, 20191226);
}

TEST_F(CalendarEditorTest, TheFirstSaveKeepsTheShippedFileAsBackup) {
    TKHyoF editor(shell.appDir, table);
    editor.show();
    editor.deleteLast();
    shownTexts();
    editor.save();
    EXPECT_EQ(
        shownTexts(),
        (QStringList{
            "暦ファイルを更新します。よろしいですか？",
            "暦の変更内容を反映させるには、一旦、Sorvik Ver2.69を再起動する必要があります。"}));
    EXPECT_FALSE(editor.isVisible());
    EXPECT_EQ(platform::readWholeFile(shell.appDir + "INREKI.SAV"), original);
    EXPECT_EQ(records::LoadCalendar(shell.appDir).lines(), table.lines());

    editor.show();
    editor.deleteLast();
    const auto twiceCut = table.lines();
    editor.save();
    EXPECT_EQ(platform::readWholeFile(shell.appDir + "INREKI.SAV"), original);
    EXPECT_EQ(records::LoadCalendar(shell.appDir).lines(), twiceCut);

    // Declining the save closes and keeps the file and the table as they were.
    editor.show();
    editor.deleteLast();
    Prompts::queueAnswer(platform::Answer::No);
    editor.save();
    EXPECT_FALSE(editor.isVisible());
    EXPECT_EQ(table.lines(), twiceCut);
}

class BackupTest : public ::testing::Test {
  protected:
    BackupTest() {
        for (const char* name :
             {"Default.nam", "Other.NAM", "HOSISUU.DAT", "Default.ini", "data.in"}) {
            shell.writeFile(name, QByteArray(name) + " as shipped");
        }
        shell.keys->writeText(platform::programKey(), "Ver", "2690");
        shell.keys->writeBinary(platform::programKey(), "MainFWinPlace1", QByteArray(44, '\x07'));
        backupFolder = shell.dir.filePath("BackUp");
    }
    QStringList backupFiles() const {
        return QDir(backupFolder).entryList(QDir::Files, QDir::Name);
    }
    // A dialog that has backed every kind up into backupFolder.
    std::unique_ptr<TBackF> backedUpDialog() {
        auto dialog = std::make_unique<TBackF>(shell.appDir, *shell.keys, [this] { ++ends; });
        dialog->show();
        dialog->setKinds(15);
        dialog->folderBox()->setText(backupFolder);
        dialog->backup();
        return dialog;
    }
    testing::ShellFixture shell;
    QString backupFolder;
    int ends = 0;
};

TEST_F(BackupTest, OnlyNameFilesAndTheKeyStoreGoWhenOnlyNamesAreChecked) {
    TBackF dialog(shell.appDir, *shell.keys, [this] { ++ends; });
    dialog.show();
    dialog.setKinds(1);
    dialog.folderBox()->setText(QDir::toNativeSeparators(backupFolder));
    EXPECT_EQ(dialog.backupStatus(), "媒体 or フォルダ がありません。");
    shownTexts();
    dialog.backup();
    EXPECT_EQ(shownTexts(), (QStringList{"フォルダ がありません。作成しますか？",
                                         "バックアップを実行してよろしいですか？",
                                         "バックアップが終了しました。"}));
    EXPECT_EQ(dialog.folderBox()->text(), QDir::toNativeSeparators(backupFolder + "/"));
    EXPECT_EQ(backupFiles(), (QStringList{"Default.nam", "Other.NAM", "TQLX4.reg"}));
    EXPECT_TRUE(dialog.backupStatus().startsWith("【合計ファイル数：　2】"));
    EXPECT_EQ(ends, 0);

    dialog.setKinds(4);  // 設定データ: data.in goes too
    dialog.backup();
    EXPECT_EQ(backupFiles(),
              (QStringList{"Default.ini", "Default.nam", "Other.NAM", "TQLX4.reg", "data.in"}));
}

TEST_F(BackupTest, RestoreCopiesBackMergesTheKeysOnlyWhenCheckedAndEndsTheProgram) {
    const std::unique_ptr<TBackF> backedUp = backedUpDialog();
    TBackF& dialog = *backedUp;
    shell.writeFile("Default.nam", "edited since");
    shell.keys->writeText(platform::programKey(), "Ver", "changed since");
    QFile::remove(shell.appDir + "data.in");
    shownTexts();

    dialog.setKinds(1 | 2 | 4);  // no registry data
    dialog.restore();
    const QStringList told = shownTexts();
    // Two questions, one overwrite question for each file still there (all but data.in), the end.
    ASSERT_EQ(told.size(), 8);
    EXPECT_EQ(told[2], "『Default.ini』は既に存在します。上書きしますか？");
    EXPECT_EQ(told[0],
              "現在編集中の内容は破棄され、内容を反映させる為、Sorvik Ver2.69の再起動が必要となり"
              "ます。\n\r\n\rリストアを実行してよろしいですか？");
    EXPECT_EQ(told[1], "リストアを実行してよろしいですか？");
    EXPECT_EQ(told.last(),
              "リストアが終了しました。内容を反映させる為、\n\r\n\r一旦、Sorvik Ver2.69 "
              "を終了しますので、"
              "\n\r\n\r再度、Sorvik Ver2.69起動してください。");
    EXPECT_EQ(ends, 1);
    EXPECT_EQ(platform::readWholeFile(shell.appDir + "Default.nam"), "Default.nam as shipped");
    EXPECT_EQ(platform::readWholeFile(shell.appDir + "data.in"), "data.in as shipped");
    EXPECT_EQ(shell.keys->readText(platform::programKey(), "Ver"), "changed since");
    EXPECT_FALSE(QFile::exists(shell.appDir + "TQLX4.reg"));

    dialog.setKinds(15);
    dialog.restore();
    EXPECT_EQ(ends, 2);
    EXPECT_EQ(shell.keys->readText(platform::programKey(), "Ver"), "2690");
    EXPECT_EQ(shell.keys->readBinary(platform::programKey(), "MainFWinPlace1"),
              QByteArray(44, '\x07'));
    EXPECT_TRUE(QFile::exists(shell.appDir + "TQLX4.reg"));
}

TEST_F(BackupTest, NothingToCopyAndDeclinedQuestionsStop) {
    TBackF dialog(shell.appDir, *shell.keys, [this] { ++ends; });
    dialog.show();
    dialog.setKinds(8);
    dialog.folderBox()->setText(backupFolder);
    shownTexts();
    dialog.backup();
    EXPECT_EQ(shownTexts(), QStringList{"バックアップするファイルがありません。"});
    dialog.restore();
    EXPECT_EQ(shownTexts(), QStringList{"リストアするファイルがありません。"});

    dialog.setKinds(1);
    Prompts::queueAnswer(platform::Answer::No);
    dialog.backup();
    EXPECT_FALSE(QDir(backupFolder).exists());
    dialog.done(0);
    EXPECT_EQ(shell.keys->readText(platform::programKey("Back"), "CG1"), "1");
    EXPECT_EQ(shell.keys->readText(platform::programKey("Back"), "Edit1"), backupFolder + "/");
    EXPECT_EQ(ends, 0);
}

// Every file of a folder by name with its bytes, to see that a cancelled copy changed nothing.
QMap<QString, QByteArray> folderBytes(const QString& folder) {
    QMap<QString, QByteArray> files;
    for (const QString& name : QDir(folder).entryList(QDir::Files)) {
        files.insert(name, platform::readWholeFile(QDir(folder).filePath(name)));
    }
    return files;
}

TEST_F(BackupTest, OverwriteAllIsAskedOnceAndCopiesEveryFile) {
    const std::unique_ptr<TBackF> backedUp = backedUpDialog();
    TBackF& dialog = *backedUp;
    for (const QString& name : folderBytes(shell.appDir).keys()) {
        shell.writeFile(name, "edited since");
    }
    shownTexts();

    Prompts::queueAnswer(platform::Answer::Yes);
    Prompts::queueAnswer(platform::Answer::YesToAll);
    dialog.backup();
    const QList<platform::ShownBox> asked = Prompts::shownBoxes();
    ASSERT_EQ(asked.size(), 3);
    EXPECT_EQ(asked[1].text, "『Default.ini』は既に存在します。上書きしますか？");
    EXPECT_EQ(asked[1].buttons, platform::BoxButtons::YesAllNoCancel);
    EXPECT_EQ(asked[2].text, "バックアップが終了しました。");
    for (const char* name : {"Default.ini", "Default.nam", "HOSISUU.DAT", "Other.NAM"}) {
        EXPECT_EQ(platform::readWholeFile(backupFolder + "/" + name), "edited since") << name;
    }
    shownTexts();

    // いいえ keeps that one file; すべて上書き then takes all that follow without asking.
    shell.writeFile("Default.ini", "edited again");
    shell.writeFile("Other.NAM", "edited again");
    Prompts::queueAnswer(platform::Answer::Yes);
    Prompts::queueAnswer(platform::Answer::No);
    Prompts::queueAnswer(platform::Answer::YesToAll);
    dialog.backup();
    EXPECT_EQ(shownTexts().size(), 4);
    EXPECT_EQ(platform::readWholeFile(backupFolder + "/Default.ini"), "edited since");
    EXPECT_EQ(platform::readWholeFile(backupFolder + "/Other.NAM"), "edited again");
    EXPECT_EQ(ends, 0);
}

TEST_F(BackupTest, ACancelledRestoreChangesNothingAndKeepsTheProgramRunning) {
    const std::unique_ptr<TBackF> backedUp = backedUpDialog();
    TBackF& dialog = *backedUp;
    shell.writeFile("Default.nam", "edited since");
    QFile::remove(shell.appDir + "data.in");
    shell.keys->writeText(platform::programKey(), "Ver", "changed since");
    shell.keys->sync();
    const QMap<QString, QByteArray> program = folderBytes(shell.appDir);
    const QByteArray keys = platform::readWholeFile(shell.keys->filePath());
    shownTexts();

    // The two questions, the first file's overwrite question, then ｷｬﾝｾﾙ at the second.
    for (const platform::Answer answer : {platform::Answer::Yes, platform::Answer::Yes,
                                          platform::Answer::Yes, platform::Answer::Cancel}) {
        Prompts::queueAnswer(answer);
    }
    dialog.restore();
    const QStringList told = shownTexts();
    ASSERT_EQ(told.size(), 5);
    EXPECT_EQ(told[3], "『Default.nam』は既に存在します。上書きしますか？");
    EXPECT_EQ(told[4],
              "リストアを中止しました。\n\nコピーしたファイルはありません。\n"
              "レジストリデータは反映していません。");
    EXPECT_EQ(folderBytes(shell.appDir), program);
    EXPECT_EQ(platform::readWholeFile(shell.keys->filePath()), keys);
    EXPECT_EQ(shell.keys->readText(platform::programKey(), "Ver"), "changed since");
    EXPECT_EQ(ends, 0);
}

TEST_F(BackupTest, ARestoreStoppedByAFileItCannotWriteTellsWhatItCopied) {
    const std::unique_ptr<TBackF> backedUp = backedUpDialog();
    TBackF& dialog = *backedUp;
    shell.keys->writeText(platform::programKey(), "Ver", "changed since");
    QFile::remove(shell.appDir + "Other.NAM");
    QDir(shell.appDir).mkdir("Other.NAM");  // nothing can be written in its place
    shownTexts();

    Prompts::queueAnswer(platform::Answer::Yes);
    Prompts::queueAnswer(platform::Answer::Yes);
    Prompts::queueAnswer(platform::Answer::YesToAll);
    dialog.restore();
    const QStringList told = shownTexts();
    ASSERT_EQ(told.size(), 5);
    EXPECT_TRUE(told[3].contains("Other.NAM")) << told[3].toStdString();
    EXPECT_EQ(told[4],
              "リストアを中止しました。\n\nコピーしたファイル（4）：\n"
              "Default.ini、Default.nam、HOSISUU.DAT、INREKI.DAT\n"
              "レジストリデータは反映していません。");
    EXPECT_EQ(shell.keys->readText(platform::programKey(), "Ver"), "changed since");
    EXPECT_EQ(ends, 0);
}

TEST_F(BackupTest, ADamagedKeyStoreFileStopsTheRestoreBeforeAnyFileIsReplaced) {
    const std::unique_ptr<TBackF> backedUp = backedUpDialog();
    TBackF& dialog = *backedUp;
    platform::writeFileAtomically(backupFolder + "/TQLX4.reg", "REGEDIT4\r\n[nowhere\r\n");
    platform::writeFileAtomically(backupFolder + "/Default.nam", "from the backup");
    const QMap<QString, QByteArray> program = folderBytes(shell.appDir);
    shownTexts();

    dialog.findChild<QPushButton*>("RestoreBtn")->click();
    const QStringList told = shownTexts();
    ASSERT_EQ(told.size(), 3);
    EXPECT_EQ(told[2], "『TQLX4.reg』の2行目が読み込めません。");
    EXPECT_EQ(folderBytes(shell.appDir), program);
    EXPECT_EQ(ends, 0);
}

TEST(CopyProgress, CountsTheFiles) {
    CopyProgress progress(34, nullptr);
    progress.startFile(3, "DSETUF1.DAT");
    EXPECT_EQ(progress.labelText(), "DSETUF1.DAT をコピーしています...");
    const auto* bar = progress.findChild<QProgressBar*>();
    ASSERT_NE(bar, nullptr);
    EXPECT_EQ(bar->text(), "3 / 34");
}

TEST(TMainF, EndingAfterARestoreSkipsTheSavesOfClosing) {
    testing::ShellFixture shell;
    auto window = shell.makeWindow();
    window->show();
    window->endWithoutSaving();
    EXPECT_FALSE(window->isVisible());
    EXPECT_TRUE(Prompts::shownBoxes().isEmpty()) << "no question about the name file";
    EXPECT_FALSE(shell.keys->hasValue(platform::programKey("Sys"), "StsBar"));
    EXPECT_FALSE(QFile::exists(shell.appDir + "TQLX4.ini"));
}

TEST(TTools, TheMenuFollowsTheTable) {
    testing::ShellFixture shell;
    auto window = shell.makeWindow();
    attachTools(*window, shell.context());
    QMenu& menu = *window->toolsMenu();
    EXPECT_EQ(menuTexts(menu), (QStringList{"ﾂｰﾙの設定(&T)", "", "電卓", "Readme"}));

    TTools* tools = window->findChild<TTools*>();
    ASSERT_NE(tools, nullptr);
    const QStringList editor{"Editor", "/usr/bin/gedit", "memo.txt", "/home/user/"};
    for (std::size_t column = 0; column < 4; ++column) {
        tools->field(column)->setText(editor[static_cast<qsizetype>(column)]);
    }
    tools->add();
    EXPECT_EQ(menuTexts(menu).mid(2), (QStringList{"電卓", "Readme", "Editor"}));

    tools->selectRow(0);
    EXPECT_EQ(tools->field(1)->text(), "calc.exe");
    tools->remove();
    EXPECT_EQ(menuTexts(menu).mid(2), (QStringList{"Readme", "Editor"}));
    tools->selectRow(1);
    EXPECT_EQ(tools->field(3)->text(), "/home/user/");

    tools->done(QDialog::Accepted);
    EXPECT_TRUE(shell.keys->readText(platform::programKey("Tool"), "SG1")
                    .startsWith("Readme,Notepad.exe,Readme.txt,,Editor,/usr/bin/gedit,memo.txt,"
                                "/home/user/,,"));
}

// The shipped tools name Windows programs: Readme opens the shipped Readme.txt with the
// desktop's handler, 電卓 is the desktop's calculator, and each failure is told.
TEST(TTools, TheShippedToolsWorkHere) {
    testing::ShellFixture shell;
    QFile::copy(QDir(SORVIK_DATA_DIR).filePath("Readme.txt"), shell.appDir + "Readme.txt");
    auto window = shell.makeWindow();
    attachTools(*window, shell.context());
    TTools* tools = window->findChild<TTools*>();
    QStringList calls;
    bool opens = true;
    platform::setShellDoors({[&](const QString& program, const QStringList&, const QString&) {
                                 calls << "start " + program;
                                 return true;
                             },
                             [&](const QUrl& url) {
                                 calls << "open " + url.toLocalFile();
                                 return opens;
                             }});
    const QString readme = QDir(shell.appDir).filePath("Readme.txt");
    tools->launch(1);
    EXPECT_EQ(calls, QStringList{"open " + readme});
    EXPECT_TRUE(Prompts::shownTexts().isEmpty());

    opens = false;
    tools->launch(1);
    ASSERT_EQ(Prompts::shownTexts().size(), 1);
    EXPECT_TRUE(
        Prompts::shownTexts().front().startsWith("『" + readme + "』を開けませんでした。\n"));
    Prompts::clearShownBoxes();

    calls.clear();
    tools->launch(0);
    const QString calculator = platform::desktopCalculator();
    if (calculator.isEmpty()) {
        EXPECT_TRUE(calls.isEmpty());
        ASSERT_EQ(Prompts::shownTexts().size(), 1);
        EXPECT_TRUE(Prompts::shownTexts().front().startsWith("電卓のプログラムが"));
    } else {
        EXPECT_EQ(calls, QStringList{"start " + calculator});
    }
    platform::setShellDoors({});
}

// The four fields always show the row the list highlights: after reopening, adding and deleting.
TEST(TTools, TheFieldsShowTheHighlightedRow) {
    testing::ShellFixture shell;
    auto window = shell.makeWindow();
    attachTools(*window, shell.context());
    TTools* tools = window->findChild<TTools*>();
    const QTableView* list = tools->findChild<QTableView*>("SG1");
    const auto shown = [&] {
        const QModelIndexList rows = list->selectionModel()->selectedRows();
        QStringList seen{rows.size() == 1 ? QString::number(rows.front().row()) : "none"};
        for (std::size_t column = 0; column < 4; ++column) {
            seen << tools->field(column)->text();
        }
        return seen;
    };
    const QStringList readme{"1", "Readme", "Notepad.exe", "Readme.txt", ""};

    tools->show();
    tools->selectRow(1);
    tools->field(0)->setText("typed, never added");
    tools->done(QDialog::Rejected);
    tools->show();
    EXPECT_EQ(shown(), readme) << "reopened";

    for (std::size_t column = 0; column < 4; ++column) {
        tools->field(column)->setText(QStringList{"Editor", "gedit", "memo.txt", ""}.at(column));
    }
    tools->add();
    EXPECT_EQ(shown(), (QStringList{"2", "Editor", "gedit", "memo.txt", ""})) << "added";

    tools->selectRow(0);
    tools->remove();
    EXPECT_EQ(shown(), (QStringList{"0", "Readme", "Notepad.exe", "Readme.txt", ""})) << "deleted";
    tools->selectRow(1);
    tools->remove();
    EXPECT_EQ(shown(), (QStringList{"1", "", "", "", ""})) << "the last deleted";
    tools->done(QDialog::Rejected);
}

}  // namespace
}  // namespace sorvik::ui
