#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QTableView>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "platform/clock.h"
#include "platform/key_store.h"
#include "platform/program_key.h"
#include "platform/prompts.h"
#include "platform/text_file.h"
#include "settings/zi_wei_settings.h"
#include "shell_fixture.h"
#include "ui/settings/zi_wei_settings_dialog.h"
#include "ui/settings/zi_wei_settings_models.h"
#include "ui/shell/app_context.h"
#include "ui/shell/main_window.h"
#include "ui/shell/startup.h"

namespace sorvik::ui {
namespace {

using platform::BoxStyle;
using platform::Prompts;

// The ways a data file beside the program was found damaged.
enum class Damage { Unreadable, NoPermission, Empty, RandomBytes, Folder };

const char* describe(Damage damage) {
    switch (damage) {
        case Damage::Unreadable:
            return "a read that fails";
        case Damage::NoPermission:
            return "no read permission";
        case Damage::Empty:
            return "empty";
        case Damage::RandomBytes:
            return "random bytes";
        case Damage::Folder:
            return "a folder in its place";
    }
    return "";
}

// The program's folder as it ships: the calendar and the star tables, the help's contents
// page, every description file and an empty start-up name file.
class ProgramFolder {
  public:
    ProgramFolder() {
        const QDir data(SORVIK_DATA_DIR);
        for (const char* name : {"INREKI.DAT", "HOSISUU.DAT", "HOSIBYOU.DAT", "Default.ini"}) {
            QFile::remove(path(name));
            QFile::copy(data.filePath(name), path(name));
        }
        QDir(shell.appDir).mkpath("TQLX4.help");
        shell.writeFile("TQLX4.help/1.html", "<html></html>");
        for (const QString& name : requiredDataFiles()) {
            if (!QFile::exists(path(name))) {
                shell.writeFile(name, "x\r\n");
            }
        }
        shell.writeFile("Default.nam", "");
        Prompts::clearShownBoxes();
    }

    QString path(const QString& name) const { return QDir(shell.appDir).filePath(name); }

    // Where the damage goes: for the help, its contents page.
    QString target(const QString& name) const {
        return name == "TQLX4.help" ? path("TQLX4.help/1.html") : path(name);
    }

    void damage(const QString& file, Damage kind) {
        ASSERT_TRUE(QFile::remove(file));
        switch (kind) {
            case Damage::Unreadable:
                // Opens, then fails its first read, also for root.
                ASSERT_TRUE(QFile::link("/proc/self/mem", file));
                break;
            case Damage::NoPermission: {
                QFile f(file);
                ASSERT_TRUE(f.open(QIODevice::WriteOnly));
                f.write("x\r\n");
                f.close();
                ASSERT_TRUE(f.setPermissions({}));
                break;
            }
            case Damage::Empty:
                ASSERT_TRUE(QFile(file).open(QIODevice::WriteOnly));
                break;
            case Damage::RandomBytes: {
                QRandomGenerator random(13);
                QByteArray bytes(1000, '\0');
                for (char& b : bytes) {
                    b = static_cast<char>(random.bounded(256));
                }
                QFile f(file);
                ASSERT_TRUE(f.open(QIODevice::WriteOnly));
                f.write(bytes);
                break;
            }
            case Damage::Folder:
                ASSERT_TRUE(QDir().mkdir(file));
                break;
        }
    }

    testing::ShellFixture shell;
};

class DamagedStartup : public ::testing::TestWithParam<Damage> {};

bool isDescriptionFile(const QString& name) {
    return name.endsWith(".DAT") && name != "INREKI.DAT" && !name.startsWith("HOSI");
}

// Files whose content the start-up uses; of the others it only checks that they are there,
// apart from the text files it reads: the star and pattern texts into the live lists, the
// per-palace files to bring them to their length.
bool contentIsRead(const QString& name, Damage kind) {
    if (name == "INREKI.DAT" || name == "HOSISUU.DAT" || name == "HOSIBYOU.DAT") {
        return true;
    }
    const bool unreadable = kind == Damage::Unreadable || kind == Damage::NoPermission;
    const bool textRead =
        name.startsWith("HSETUF") || name == "SEISETUF.DAT" || name == "KAKUKYOK.DAT";
    return textRead && unreadable;
}

TEST_P(DamagedStartup, EveryRequiredFileEndsInAnErrorBoxNamingItOrInANormalStart) {
    const Damage kind = GetParam();
    if (kind == Damage::NoPermission && ::geteuid() == 0) {
        GTEST_SKIP() << "root reads files without permission; the failing read covers it";
    }
    for (const QString& name : requiredDataFiles()) {
        ProgramFolder fresh;
        fresh.damage(fresh.target(name), kind);
        if (HasFatalFailure()) {
            return;
        }
        Prompts::clearShownBoxes();
        const std::unique_ptr<SorvikRun> run =
            startSorvik(fresh.shell.appDir, fresh.shell.keys->filePath(), false);
        QStringList errors;
        for (const platform::ShownBox& box : Prompts::shownBoxes()) {
            if (box.style == BoxStyle::Error) {
                errors.append(box.text);
            }
        }
        const bool fatal = contentIsRead(name, kind) || kind == Damage::Folder;
        if (fatal) {
            EXPECT_EQ(run, nullptr) << name.toStdString() << ": " << describe(kind);
            ASSERT_EQ(errors.size(), 1) << name.toStdString() << ": " << describe(kind) << "\n"
                                        << Prompts::shownTexts().join('\n').toStdString();
            EXPECT_TRUE(errors[0].contains(name)) << errors[0].toStdString();
        } else if (kind == Damage::RandomBytes && isDescriptionFile(name)) {
            // Told once, naming the file; the bytes stay until the user saves.
            EXPECT_NE(run, nullptr) << name.toStdString();
            ASSERT_EQ(Prompts::shownTexts().size(), 1) << name.toStdString();
            EXPECT_TRUE(Prompts::shownTexts()[0].startsWith("『" + name + "』の"))
                << Prompts::shownTexts()[0].toStdString();
            EXPECT_TRUE(Prompts::shownTexts()[0].contains("文字として読めないバイトがありました"));
        } else {
            EXPECT_NE(run, nullptr) << name.toStdString() << ": " << describe(kind);
            EXPECT_EQ(Prompts::shownTexts(), QStringList())
                << name.toStdString() << ": " << describe(kind);
        }
    }
}

std::string damageName(const ::testing::TestParamInfo<Damage>& param) {
    static const char* const kNames[] = {"Unreadable", "NoPermission", "Empty", "RandomBytes",
                                         "Folder"};
    return kNames[static_cast<int>(param.param)];
}

INSTANTIATE_TEST_SUITE_P(EachDamage, DamagedStartup,
                         ::testing::Values(Damage::Unreadable, Damage::NoPermission, Damage::Empty,
                                           Damage::RandomBytes, Damage::Folder),
                         damageName);

// "sorvik FILE.nam", as the desktop's "open with" starts it: that file in place of the start-up
// name file, which is neither read nor asked about.
TEST(StartupWithANameFile, OpensTheGivenFileInsteadOfTheStartUpFile) {
    ProgramFolder folder;
    QFile::remove(folder.path("Default.nam"));
    QTemporaryDir elsewhere;
    const QString given = elsewhere.filePath("お客様.nam");
    QFile file(given);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(QByteArray(38, ',') + "\r\n");
    file.close();

    std::unique_ptr<SorvikRun> run =
        startSorvik(folder.shell.appDir, folder.shell.keys->filePath(), false, given);
    ASSERT_NE(run, nullptr);
    EXPECT_EQ(Prompts::shownTexts(), QStringList());
    EXPECT_EQ(run->mainWindow->currentNameFile(), given);
    EXPECT_TRUE(run->mainWindow->windowTitle().endsWith("[" + given + "]"));
    EXPECT_EQ(run->mainWindow->recentFiles().added().value(0), given);
}

// A settings file that the program fell back from is told once, at start-up, and not
// answered at exit by the check of a dialog the user never opened.
TEST(DamagedSettingsFile, IsToldOnceAtStartUpAndLeftAloneAtExit) {
    ProgramFolder folder;
    folder.damage(folder.path("Default.ini"), Damage::RandomBytes);
    const QByteArray stored = [&] {
        QFile file(folder.path("Default.ini"));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }();
    std::unique_ptr<SorvikRun> run =
        startSorvik(folder.shell.appDir, folder.shell.keys->filePath(), false);
    ASSERT_NE(run, nullptr);
    EXPECT_EQ(Prompts::shownTexts(),
              QStringList{"ｼｽﾃﾑ設定ﾌｧｲﾙ『Default.ini』には、ｼｽﾃﾑ設定がありません。\n"
                          "ｼｽﾃﾑ設定は、既定の設定を使います。"});
    Prompts::clearShownBoxes();
    EXPECT_TRUE(run->mainWindow->close());
    EXPECT_EQ(Prompts::shownTexts(), QStringList());
    QFile file(folder.path("Default.ini"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), stored);
}

// A star line short of cells is a table all the same: the program starts, the dialog shows
// the cells empty and OK stores "0" in them.
TEST(ShortStarLine, StartsAndOkFillsItsEmptyCellsWithZero) {
    ProgramFolder folder;
    QStringList lines = platform::readSjisLines(folder.path("HOSISUU.DAT"));
    lines[1] = "紫微,6,10,";
    platform::writeSjisLines(folder.path("HOSISUU.DAT"), lines);
    std::unique_ptr<SorvikRun> run =
        startSorvik(folder.shell.appDir, folder.shell.keys->filePath(), false);
    ASSERT_NE(run, nullptr);
    EXPECT_EQ(Prompts::shownTexts(), QStringList());

    TUSysF dialog(folder.shell.appDir, run->context->ziWeiSettings(), nullptr);
    const auto* grid =
        static_cast<const ZiWeiGridModel*>(dialog.gridView(settings::Grid::Powers)->model());
    const auto shown = [&](int column) { return grid->indexOfCell(1, column).data().toString(); };
    EXPECT_EQ(shown(2), "10");
    EXPECT_EQ(shown(3), "");
    EXPECT_EQ(shown(12), "");
    ASSERT_TRUE(dialog.OKBtnClick());
    EXPECT_EQ(shown(3), "0");
    EXPECT_EQ(platform::readSjisLines(folder.path("HOSISUU.DAT")).at(1),
              "紫微,6,10,0,0,0,0,0,0,0,0,0,0,");
}

// A damaged key store once started the program on the default rules without a word, and the
// exit then wrote the defaults over the user's values.
TEST(DamagedKeyStore, IsToldAtStartUpKeptAsideAndNotWrittenOverAtExit) {
    ProgramFolder folder;
    const QString path = folder.shell.dir.filePath("user/registry.ini");
    {
        platform::KeyStore keys(path);
        keys.writeText(platform::programKey(), "Dir", folder.shell.appDir);
        keys.writeText(platform::programKey(), "Ver", "2690");
        keys.writeText(settings::kRegistryKey, "RG1", "2");
        keys.sync();
    }
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    const QByteArray cut = file.readAll().chopped(10);
    ASSERT_TRUE(file.resize(cut.size()));
    file.close();
    const auto stored = [](const QString& name) {
        QFile f(name);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("(none)");
    };
    platform::Clock::setNow(QDateTime(QDate(2026, 12, 11), QTime(9, 30, 5)));
    const QString copy = path + ".damaged-20261211-093005";
    const QString question =
        "設定ﾌｧｲﾙ『" + path + "』が壊れているため、読み込めません。\n元のファイルを『" + copy +
        "』として残しました。\n読み込めた値のほかは既定の設定を使って、起動しますか？\n"
        "（「はい」でも、このファイルは書き換えません。「いいえ」で起動を中止します。）";
    for (const platform::Answer answer : {platform::Answer::No, platform::Answer::Yes}) {
        Prompts::clearShownBoxes();
        Prompts::queueAnswer(answer);
        std::unique_ptr<SorvikRun> run = startSorvik(folder.shell.appDir, path, false);
        ASSERT_FALSE(Prompts::shownBoxes().isEmpty());
        EXPECT_EQ(Prompts::shownBoxes()[0].style, BoxStyle::Warning);
        EXPECT_EQ(Prompts::shownTexts(), QStringList{question});
        EXPECT_EQ(stored(copy), cut);
        if (answer == platform::Answer::No) {
            EXPECT_EQ(run, nullptr);
        } else {
            ASSERT_NE(run, nullptr);
            EXPECT_TRUE(run->mainWindow->close());
            run.reset();
        }
        EXPECT_EQ(stored(path), cut);
    }
    platform::Clock::setNow({});
}

// Damaged description files once showed "〓 〓 〓" in the detail window without a word.
TEST(DamagedTexts, AreToldOnceAtStartUpByFileAndLineAndKeptAsTheyAre) {
    ProgramFolder folder;
    const QByteArray damaged = "\x81\x40\r\n\xff\xfe\r\n";
    folder.shell.writeFile("SEISETUF.DAT", damaged);
    folder.shell.writeFile("DSETUF4.DAT", "x\r\n\x85\x40\r\n");
    std::unique_ptr<SorvikRun> run =
        startSorvik(folder.shell.appDir, folder.shell.keys->filePath(), false);
    ASSERT_NE(run, nullptr);
    EXPECT_EQ(
        Prompts::shownTexts(),
        QStringList{
            "『SEISETUF.DAT』の2行目、『DSETUF4.DAT』の2行目に、文字として読めないバイトが"
            "ありました。その部分は「〓」と表示します。ファイルは、保存するまで元のままです。"});
    EXPECT_TRUE(run->mainWindow->close());
    QFile file(folder.path("SEISETUF.DAT"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), damaged);
}

// The layout file is optional: one that cannot be read is told of, the start goes on with the
// first run's layout, and the file is left as it is.
TEST(DamagedLayoutFile, IsToldAndTheFirstRunsLayoutTaken) {
    ProgramFolder folder;
    ASSERT_TRUE(QFile::link("/proc/self/mem", folder.path("TQLX4.ini")));
    std::unique_ptr<SorvikRun> run =
        startSorvik(folder.shell.appDir, folder.shell.keys->filePath(), false);
    ASSERT_NE(run, nullptr);
    ASSERT_EQ(Prompts::shownTexts().size(), 1);
    EXPECT_TRUE(Prompts::shownTexts()[0].startsWith("『" + folder.path("TQLX4.ini") +
                                                    "』を読み込めません。"))
        << Prompts::shownTexts()[0].toStdString();
    EXPECT_TRUE(Prompts::shownTexts()[0].endsWith(
        "\nツールバーとウィンドウの配置は、初期の配置にします。"));
    EXPECT_TRUE(run->mainWindow->windowState() & Qt::WindowMaximized);
    Prompts::clearShownBoxes();
    EXPECT_TRUE(run->mainWindow->close());
    EXPECT_EQ(Prompts::shownTexts(), QStringList());
    EXPECT_TRUE(QFileInfo(folder.path("TQLX4.ini")).isSymLink());
}

}  // namespace
}  // namespace sorvik::ui
