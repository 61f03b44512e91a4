#include "platform/program_folder.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "platform/atomic_file.h"
#include "platform/errors.h"

namespace sorvik::platform {
namespace {

const QString kMarker = QStringLiteral("INREKI.DAT");

void put(const QString& path, const QByteArray& bytes) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    writeFileAtomically(path, bytes);
}

QStringList filesBelow(const QString& folder) {
    QStringList names;
    const QDir root(folder);
    for (const QFileInfo& entry :
         root.entryInfoList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name)) {
        if (entry.isDir()) {
            for (const QString& inner : filesBelow(entry.filePath())) {
                names.append(entry.fileName() + u'/' + inner);
            }
        } else {
            names.append(entry.fileName());
        }
    }
    return names;
}

// An installed program: bin/ without data, share/sorvik/ with it, and a user's home.
class InstalledProgram : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(root.isValid());
        QDir().mkpath(places.executable);
        put(places.shipped + "/INREKI.DAT", "calendar");
        put(places.shipped + "/HSETUF1.DAT", "shipped palace texts");
        put(places.shipped + "/Default.ini", "[Sys]");
        put(places.shipped + "/TQLX4.help/1.html", "<p>contents</p>");
    }

    QTemporaryDir root;
    ProgramFolderPlaces places{root.filePath("usr/bin"), root.filePath("usr/share/sorvik"),
                               root.filePath("home/.local/share/sorvik")};
};

TEST_F(InstalledProgram, TheFirstStartFillsTheUsersFolderWithEveryShippedFile) {
    EXPECT_EQ(chooseProgramFolder(places, kMarker), places.user + u'/');
    EXPECT_EQ(filesBelow(places.user), filesBelow(places.shipped));
    EXPECT_EQ(readWholeFile(places.user + "/TQLX4.help/1.html"), "<p>contents</p>");
    EXPECT_EQ(filesBelow(places.executable), QStringList());
}

TEST_F(InstalledProgram, ALaterStartKeepsTheUsersFilesAndBringsBackOnlyWhatIsMissing) {
    put(places.user + "/HSetuF1.Dat", "the user's own palace texts");
    put(places.user + "/Default.ini", "[Sys] edited");
    put(places.user + "/Mine.nam", "persons");

    EXPECT_EQ(copyMissingFiles(places.shipped, places.user),
              QStringList({"INREKI.DAT", "TQLX4.help/1.html"}));
    EXPECT_EQ(readWholeFile(places.user + "/HSetuF1.Dat"), "the user's own palace texts");
    EXPECT_EQ(readWholeFile(places.user + "/Default.ini"), "[Sys] edited");
    EXPECT_FALSE(QFile::exists(places.user + "/HSETUF1.DAT"));
    EXPECT_EQ(readWholeFile(places.user + "/Mine.nam"), "persons");
    EXPECT_EQ(copyMissingFiles(places.shipped, places.user), QStringList());
}

TEST_F(InstalledProgram, AHelpFolderSpelledOtherwiseIsFilledWhereItIs) {
    put(places.user + "/tqlx4.HELP/2.html", "mine");
    chooseProgramFolder(places, kMarker);
    EXPECT_EQ(readWholeFile(places.user + "/tqlx4.HELP/1.html"), "<p>contents</p>");
    EXPECT_FALSE(QFileInfo::exists(places.user + "/TQLX4.help"));
}

TEST_F(InstalledProgram, AWritableFolderWithTheDataBesideTheProgramStaysTheProgramsFolder) {
    put(places.executable + "/inreki.dat", "calendar");
    EXPECT_EQ(chooseProgramFolder(places, kMarker), places.executable + u'/');
    EXPECT_FALSE(QFileInfo::exists(places.user));
}

TEST_F(InstalledProgram, WithoutShippedDataTheProgramStaysInItsFolderToNameWhatIsMissing) {
    QDir(places.shipped).removeRecursively();
    EXPECT_EQ(chooseProgramFolder(places, kMarker), places.executable + u'/');
    EXPECT_FALSE(QFileInfo::exists(places.user));
}

TEST_F(InstalledProgram, AUsersFolderThatCannotBeMadeIsAnError) {
    put(root.filePath("home/.local/share"), "a file where the folder should be");
    EXPECT_THROW(chooseProgramFolder(places, kMarker), FileError);
}

TEST(ProgramFolderPlaces, TheShippedDataLiesBesideTheProgramAndTheUsersInItsDataHome) {
    QTemporaryDir home;
    const bool wasSet = qEnvironmentVariableIsSet("XDG_DATA_HOME");
    const QByteArray saved = qgetenv("XDG_DATA_HOME");
    qputenv("XDG_DATA_HOME", home.path().toUtf8());
    const ProgramFolderPlaces places = programFolderPlaces("/opt/unpacked/usr/bin");
    wasSet ? qputenv("XDG_DATA_HOME", saved) : qunsetenv("XDG_DATA_HOME");
    EXPECT_EQ(places.executable, "/opt/unpacked/usr/bin");
    EXPECT_EQ(places.shipped, "/opt/unpacked/usr/share/sorvik");
    EXPECT_EQ(places.user, home.filePath("sorvik"));
}

}  // namespace
}  // namespace sorvik::platform
