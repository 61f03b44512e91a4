#include "ui/shell/startup.h"
#include "platform/text_file.h"
#include "shell_fixture.h"

#include <gtest/gtest.h>

namespace sorvik::ui {
namespace {

class StartupChecks : public ::testing::Test {
  protected:
    StartupChecks() {
        QDir(shell.appDir).mkpath("TQLX4.help");
        shell.writeFile("TQLX4.help/1.html", "<html></html>");
        for (const QString& name : requiredDataFiles()) {
            if (name != "TQLX4.help") {
                shell.writeFile(name, "x\r\n");
            }
        }
    }
    QString path(const QString& name) const { return QDir(shell.appDir).filePath(name); }

    testing::ShellFixture shell;
};

TEST_F(StartupChecks, TheFirstMissingFileIsNamed) {
    EXPECT_EQ(checkDataFiles(shell.appDir), "");
    for (const char* name : {"DSETUF12.DAT", "HSETUF13.DAT", "HOSISUU.DAT", "INREKI.DAT"}) {
        QFile::remove(path(name));
        EXPECT_EQ(checkDataFiles(shell.appDir), QString(name) + "が、ありません。");
    }
    QFile::remove(path("TQLX4.help/1.html"));
    EXPECT_EQ(checkDataFiles(shell.appDir), "TQLX4.helpが、ありません。");
}

TEST_F(StartupChecks, FileNamesMatchInAnySpelling) {
    QFile::rename(path("HOSISUU.DAT"), path("HosiSuu.Dat"));
    QFile::rename(path("HSETUF7.DAT"), path("HSetuF7.Dat"));
    EXPECT_EQ(checkDataFiles(shell.appDir), "");
    EXPECT_EQ(platform::readSjisLines(path("HSetuF7.Dat")).size(), 131);
    EXPECT_FALSE(QFile::exists(path("HSETUF7.DAT")));
}

TEST_F(StartupChecks, PalaceFilesAreBroughtTo131Lines) {
    for (const int count : {100, 131, 200}) {
        QStringList lines;
        for (int i = 0; i < count; ++i) {
            lines.append(QString::fromUtf8("行%1").arg(i));
        }
        platform::writeSjisLines(path("HSETUF13.DAT"), lines);
        ASSERT_EQ(checkDataFiles(shell.appDir), "");

        const QStringList after = platform::readSjisLines(path("HSETUF13.DAT"));
        ASSERT_EQ(after.size(), 131) << count;
        const int kept = std::min(count, 130);
        EXPECT_EQ(after.mid(0, kept), lines.mid(0, kept)) << count;
        for (int i = kept; i < 131; ++i) {
            EXPECT_EQ(after[i], "") << count << " line " << i;
        }
    }
    // The combination files keep their length.
    EXPECT_EQ(platform::readSjisLines(path("DSETUF3.DAT")).size(), 1);
}

TEST_F(StartupChecks, AMissingPalaceFileStopsBeforeTheLaterOnes) {
    QFile::remove(path("HSETUF13.DAT"));
    EXPECT_EQ(checkDataFiles(shell.appDir), "HSETUF13.DATが、ありません。");
    EXPECT_EQ(platform::readSjisLines(path("HSETUF12.DAT")).size(), 131);
}

}  // namespace
}  // namespace sorvik::ui
