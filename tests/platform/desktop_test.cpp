#include "platform/errors.h"
#include "platform/font_dialog.h"
#include "platform/profile_file.h"
#include "platform/prompts.h"
#include "platform/qt_translations.h"
#include "platform/shell_open.h"
#include "platform/single_instance.h"

#include <QAbstractButton>
#include <QAbstractProxyModel>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QFontInfo>
#include <QListWidget>
#include <QLocale>
#include <QMessageBox>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>
#include <QUuid>

#include <gtest/gtest.h>

namespace sorvik::platform {
namespace {

void writeBytes(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

QByteArray readBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// A file as the Windows profile functions leave it, with the quirks a reader must accept:
// names in other case, blanks around '=', quoted values, a "ゾ" whose trail byte is ']', a "ソ"
// whose trail byte is '\', a line without '=', and a line of bytes that are no Shift-JIS.
const QByteArray kWindowsFile =
    "; layout\r\n"
    "[TBarPosEntBar]\r\n"
    "Rev=3\r\n"
    "  DockedTo = Dock97  \r\n"
    "Caption=\"\x83\x5c\x83\x74\x83\x67\"\r\n"
    "garbage line\r\n"
    "Raw=\xff\xfe\r\n"
    "\r\n"
    "[\x83\x5d]\r\n"
    "Name=\x95\x5c\r\n"
    "[tbarposentbar]\r\n"
    "Rev=99\r\n";

TEST(ProfileFile, ReadsWhatTheWindowsProfileFunctionsWrite) {
    QTemporaryDir dir;
    const QString path = dir.filePath("TQLX4.ini");
    writeBytes(path, kWindowsFile);
    const ProfileFile ini(path);

    EXPECT_TRUE(ini.existedOnLoad());
    EXPECT_EQ(ini.readInteger("tbarposENTBAR", "REV", 0), 3);  // first section of the name
    EXPECT_EQ(ini.readString("TBarPosEntBar", "dockedto"), "Dock97");
    EXPECT_EQ(ini.readString("TBarPosEntBar", "Caption"), QString::fromUtf8("ソフト"));
    EXPECT_EQ(ini.readString(QString::fromUtf8("ゾ"), "Name"), QString::fromUtf8("表"));
    EXPECT_EQ(ini.readInteger("TBarPosEntBar", "DockedTo", -7), -7);  // not a number
    EXPECT_EQ(ini.readString("TBarPosEntBar", "Missing", "dflt"), "dflt");
    EXPECT_EQ(ini.keys("TBarPosEntBar"), QStringList({"Rev", "DockedTo", "Caption", "Raw"}));
    EXPECT_EQ(ini.sections(),
              QStringList({"TBarPosEntBar", QString::fromUtf8("ゾ"), "tbarposentbar"}));
    EXPECT_EQ(ini.bytes(), kWindowsFile);  // nothing lost by reading
}

TEST(ProfileFile, WritesChangeOnlyTheirLinesAndSaveAtomically) {
    QTemporaryDir dir;
    const QString path = dir.filePath("TQLX4.ini");
    writeBytes(path, kWindowsFile);
    ProfileFile ini(path);

    ini.writeInteger("TBARPOSENTBAR", "rev", 2);           // replaces the line
    ini.writeString("TBarPosEntBar", "Visible", "1");      // before the blank line
    ini.writeString("TBarPosSystemBar", "DockedTo", "+");  // new section at the end
    ini.deleteKey(QString::fromUtf8("ゾ"), "Name");
    EXPECT_THROW(ini.writeString("Sys", "Bad", QString::fromUtf8("😀")), EncodingError);
    ini.save();

    const QByteArray expected =
        "; layout\r\n"
        "[TBarPosEntBar]\r\n"
        "rev=2\r\n"
        "  DockedTo = Dock97  \r\n"
        "Caption=\"\x83\x5c\x83\x74\x83\x67\"\r\n"
        "garbage line\r\n"
        "Raw=\xff\xfe\r\n"
        "Visible=1\r\n"
        "\r\n"
        "[\x83\x5d]\r\n"
        "[tbarposentbar]\r\n"
        "Rev=99\r\n"
        "[TBarPosSystemBar]\r\n"
        "DockedTo=+\r\n";
    EXPECT_EQ(readBytes(path), expected);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList({"TQLX4.ini"}));

    ProfileFile again(path);
    again.eraseSection("TBarPosEntBar");
    EXPECT_FALSE(again.hasKey("TBarPosEntBar", "Visible"));
    EXPECT_EQ(again.readInteger("TBarPosEntBar", "Rev", 0), 99);  // the later copy now answers
}

TEST(SingleInstance, SecondStartBringsTheFirstToTheFrontAndEnds) {
    const QString name = "sorvik-test-" + QUuid::createUuid().toString(QUuid::Id128);
    auto first = std::make_unique<SingleInstance>(name);
    ASSERT_TRUE(first->claim());
    QSignalSpy activated(first.get(), &SingleInstance::activationRequested);

    SingleInstance second(name);
    EXPECT_FALSE(second.claim());
    EXPECT_TRUE(activated.wait(2000));
    EXPECT_EQ(activated.count(), 1);

    // A start given a name file hands it over.
    QSignalSpy opened(first.get(), &SingleInstance::openRequested);
    SingleInstance withFile(name);
    EXPECT_FALSE(withFile.claim("/home/user/お客様 100%\n2.nam"));
    EXPECT_TRUE(opened.wait(2000));
    ASSERT_EQ(opened.count(), 1);
    EXPECT_EQ(opened.at(0).at(0).toString(), "/home/user/お客様 100%\n2.nam");
    EXPECT_EQ(activated.count(), 2);

    // Once the first copy has ended, the next start runs.
    first.reset();
    SingleInstance third(name);
    EXPECT_TRUE(third.claim());
}

TEST(ShellOpen, ProgramsThatDoNotExistHereAreNotFound) {
    EXPECT_TRUE(resolveProgram("notepad-that-is-not-here.exe", QDir::tempPath()).isEmpty());
    EXPECT_TRUE(resolveProgram("", QDir::tempPath()).isEmpty());
    // A Windows program name finds the program of the same name here.
    EXPECT_TRUE(resolveProgram("sh.exe", QDir::tempPath()).endsWith("/sh"));
    EXPECT_TRUE(resolveProgram("/bin/sh", QDir::tempPath()).endsWith("/sh"));
}

// The shipped defaults name Windows programs: here they open the file with the desktop's
// handler, the calculator is the desktop's own, and a failure names the file and the reason.
TEST(ShellOpen, WindowsProgramNamesFallBackToTheDesktop) {
    QTemporaryDir folder;
    writeBytes(folder.filePath("Readme.txt"), "r");
    writeBytes(folder.filePath("fake-galculator"), "#!/bin/sh\n");
    QFile::setPermissions(folder.filePath("fake-galculator"), QFile::ReadOwner | QFile::ExeOwner);
    QStringList calls;
    bool opens = true;
    setShellDoors({[&](const QString& program, const QStringList& arguments, const QString&) {
                       calls << "start " + QFileInfo(program).fileName() + " " +
                                    arguments.join(' ');
                       return true;
                   },
                   [&](const QUrl& url) {
                       calls << "open " + url.toLocalFile();
                       return opens;
                   }});
    const QString readme = folder.filePath("Readme.txt");
    struct Case {
        const char* program;
        QString parameter;
        QString call;
    };
    const Case cases[] = {
        {"notepad.exe", readme, "open " + readme},
        {"Iexplore.exe", readme, "open " + readme},
        {"Notepad.exe", "Readme.txt", "open " + readme},
        {"NOTEPAD.EXE", "Readme.txt", "open " + readme},
    };
    for (const Case& c : cases) {
        calls.clear();
        const ShellResult result = shellOpenProgram(c.program, c.parameter, folder.path());
        EXPECT_TRUE(result.ok) << c.program;
        EXPECT_EQ(calls, QStringList{c.call}) << c.program;
    }

    opens = false;
    const ShellResult failed = shellOpenProgram("notepad.exe", readme, folder.path());
    EXPECT_FALSE(failed.ok);
    EXPECT_TRUE(failed.message.startsWith("『" + readme + "』を開けませんでした。\n"))
        << failed.message.toStdString();
    EXPECT_GT(failed.message.size(), ("『" + readme + "』を開けませんでした。\n").size());
    const ShellResult missing = shellOpenDocument(folder.filePath("gone.txt"));
    EXPECT_EQ(missing.message, "『" + folder.filePath("gone.txt") +
                                   "』を開けませんでした。\nファイルがありません。");

    // 電卓: whichever calculator the desktop has, or the message that there is none.
    const QByteArray path = qgetenv("PATH");
    QFile::rename(folder.filePath("fake-galculator"), folder.filePath("galculator"));
    qputenv("PATH", folder.path().toUtf8());
    calls.clear();
    EXPECT_TRUE(shellOpenProgram("calc.exe", "", "").ok);
    EXPECT_EQ(calls, QStringList{"start galculator "});
    qputenv("PATH", QDir(folder.path()).filePath("empty").toUtf8());
    calls.clear();
    const ShellResult none = shellOpenProgram("calc.exe", "", "");
    qputenv("PATH", path);
    EXPECT_FALSE(none.ok);
    EXPECT_TRUE(calls.isEmpty());
    EXPECT_TRUE(none.message.startsWith("電卓のプログラムがインストールされていません。"));
    setShellDoors({});
}

// Qt's own dialogs speak Japanese once the start-up has loaded Qt's translations.
TEST(QtTranslations, TheStandardDialogsTextsAreJapanese) {
    ASSERT_TRUE(installQtTranslations(*QCoreApplication::instance()));
    const std::pair<const char*, const char*> texts[] = {
        {"QFileDialog", "Look in:"},    {"QFileDialog", "File &name:"},
        {"QFontDialog", "Select Font"}, {"QColorDialog", "Select Color"},
        {"QPlatformTheme", "Cancel"},
    };
    for (const auto& [context, source] : texts) {
        const QString shown = QCoreApplication::translate(context, source);
        EXPECT_NE(shown, QString::fromLatin1(source)) << context << " " << source;
    }
}

// The program speaks Japanese whatever LANG says (the tests run under LANG=C): the file dialog's
// sizes, dates and types are the program's, not the system's.
TEST(QtTranslations, TheFileDialogsColumnsReadJapaneseUnderAnyLang) {
    speakJapanese(*QCoreApplication::instance());
    ASSERT_EQ(QLocale().language(), QLocale::Japanese);
    QTemporaryDir folder;
    writeBytes(folder.filePath("memo.txt"), QByteArray(65, 'a'));
    ASSERT_TRUE(QDir(folder.path()).mkdir("sub"));

    const auto dialog = Prompts::makeFileDialog(nullptr, "開く", folder.path(), {});
    dialog->setOption(QFileDialog::DontUseNativeDialog);
    auto* files = dialog->findChild<QFileSystemModel*>();
    ASSERT_NE(files, nullptr);
    for (int i = 0; i < 100 && files->rowCount(files->index(folder.path())) < 2; ++i) {
        QTest::qWait(20);
    }
    const auto cell = [&](const QString& name, int column) {
        const QModelIndex file = files->index(folder.filePath(name), column);
        return dialog->proxyModel()->mapFromSource(file).data().toString();
    };
    EXPECT_EQ(cell("memo.txt", 1), "65 バイト");
    EXPECT_EQ(cell("memo.txt", 2), "平文テキストドキュメント");
    const QDateTime modified = QFileInfo(folder.filePath("memo.txt")).lastModified();
    EXPECT_EQ(cell("memo.txt", 3), modified.toString("yyyy/MM/dd H:mm"));
    EXPECT_EQ(cell("sub", 1), "");
    EXPECT_EQ(cell("sub", 2), "フォルダ");
    // The headings come from Qt's translations.
    EXPECT_EQ(dialog->proxyModel()->headerData(3, Qt::Horizontal).toString(), "更新日");
}

// A designed Windows face opens on the installed face that stands in for it, at its size and
// style; OK without a change gives the designed face back, a change gives what was picked.
TEST(FontDialog, OpensOnTheStandInAndAnUnchangedOkGivesTheFontBack) {
    QFont::insertSubstitutions("ＭＳ 明朝", {"IPAMincho"});
    QFont designed("ＭＳ 明朝", 14);
    designed.setBold(true);
    designed.setItalic(true);
    FontDialog dialog(designed, true, nullptr);
    const QFont shown = dialog.shownFont();
    EXPECT_EQ(shown.family(), "IPAMincho");
    EXPECT_EQ(shown.pointSize(), 14);
    EXPECT_TRUE(shown.bold());
    EXPECT_TRUE(shown.italic());
    EXPECT_EQ(dialog.chosenFont(), designed);
    EXPECT_EQ(dialog.chosenFont().family(), "ＭＳ 明朝");
    EXPECT_TRUE(dialog.sampleText().contains("あ"));

    auto* sizes = dialog.findChildren<QListWidget*>().at(2);
    sizes->setCurrentItem(sizes->findItems("20", Qt::MatchExactly).front());
    EXPECT_EQ(dialog.chosenFont().family(), "IPAMincho");
    EXPECT_EQ(dialog.chosenFont().pointSize(), 20);
    EXPECT_TRUE(dialog.chosenFont().bold());
}

TEST(Prompts, MessageBoxButtonsReadJapanese) {
    const std::pair<BoxButtons, QStringList> cases[] = {
        {BoxButtons::Ok, {"OK"}},
        {BoxButtons::OkCancel, {"OK", "キャンセル"}},
        {BoxButtons::YesNo, {"はい", "いいえ"}},
        {BoxButtons::YesNoCancel, {"はい", "いいえ", "キャンセル"}},
    };
    for (const auto& [buttons, expected] : cases) {
        const auto box = Prompts::makeBox(BoxStyle::Confirmation, buttons, "?", "t", nullptr);
        QStringList shown;
        for (const QMessageBox::StandardButton which :
             {QMessageBox::Yes, QMessageBox::No, QMessageBox::Ok, QMessageBox::Cancel}) {
            if (const QAbstractButton* button = box->button(which)) {
                shown << button->text();
            }
        }
        shown.sort();
        QStringList sorted = expected;
        sorted.sort();
        EXPECT_EQ(shown, sorted);
        EXPECT_EQ(box->buttons().size(), expected.size());
    }
}

}  // namespace
}  // namespace sorvik::platform
