#include "records/backup_files.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "platform/atomic_file.h"
#include "platform/errors.h"

namespace sorvik::records {
namespace {

constexpr int kNames = 1;
constexpr int kEdited = 2;
constexpr int kSettings = 4;

void makeFile(const QString& path, qint64 size) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.resize(size);
}

TEST(BackupFiles, AFileBelongsWhenItsExtensionOccursInTheJoinedString) {
    EXPECT_EQ(joinedExtensions(kAllDataKinds), ".nam.NAM.dat.DAT.set.ini.SET.INI.reg.REG");
    EXPECT_EQ(joinedExtensions(kNames | kSettings), ".nam.NAM.set.ini.SET.INI");
    struct Case {
        const char* name;
        int kinds;
        bool taken;
    };
    const Case cases[] = {
        {"Default.nam", kNames, true},    {"OLD.NAM", kNames, true},
        {"Mixed.Nam", kNames, false},     {"INREKI.DAT", kNames, false},
        {"INREKI.DAT", kEdited, true},    {"data.in", kSettings, true},
        {"data.in", kNames, false},       {"Default.ini", kSettings, true},
        {"README", kAllDataKinds, false}, {"TQLX4.reg", kAllDataKinds, true},
        {"a.b.nam", kNames, true},        {"notes.txt", kAllDataKinds, false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(takesDataFile(c.name, joinedExtensions(c.kinds)), c.taken)
            << c.name << " " << c.kinds;
    }
}

TEST(BackupFiles, ListsTheFilesOfTheKindsWithTheirSize) {
    QTemporaryDir dir;
    makeFile(dir.filePath("a.nam"), 1024);
    makeFile(dir.filePath("B.NAM"), 2560);
    makeFile(dir.filePath("INREKI.DAT"), 5000);
    makeFile(dir.filePath("data.in"), 10);
    QDir(dir.path()).mkdir("sub.nam");  // folders are not files
    const DataFileList names = ListDataFiles(dir.path(), kNames);
    EXPECT_TRUE(names.folderExists);
    EXPECT_EQ(names.names, (QStringList{"B.NAM", "a.nam"}));
    EXPECT_EQ(names.bytes, 3584);
    EXPECT_EQ(dataFilesStatus(names), "【合計ファイル数：　2】　　【容量：約      3.50 Ｋバイト】");
    EXPECT_EQ(ListDataFiles(dir.path(), kSettings).names, QStringList{"data.in"});
}

TEST(BackupFiles, StatusOfLargeAndMissingFolders) {
    QTemporaryDir dir;
    makeFile(dir.filePath("big.dat"), 1536000);
    EXPECT_EQ(dataFilesStatus(ListDataFiles(dir.path(), kEdited)),
              "【合計ファイル数：　1】　　【容量：約  1,500.00 Ｋバイト】");
    const DataFileList missing = ListDataFiles(dir.filePath("nowhere"), kAllDataKinds);
    EXPECT_FALSE(missing.folderExists);
    EXPECT_TRUE(missing.names.isEmpty());
    EXPECT_EQ(dataFilesStatus(missing), "媒体 or フォルダ がありません。");
}

TEST(BackupFiles, CopyingReplacesAFileOfTheSameNameInAnySpelling) {
    QTemporaryDir from;
    QTemporaryDir to;
    platform::writeFileAtomically(from.filePath("DEFAULT.NAM"), "new");
    platform::writeFileAtomically(to.filePath("Default.nam"), "old");
    const std::vector<DataFile> read = readDataFiles(from.path(), {"DEFAULT.NAM"});
    ASSERT_EQ(read.size(), 1U);
    writeDataFile(to.path(), read.front());
    EXPECT_EQ(QDir(to.path()).entryList(QDir::Files), QStringList{"Default.nam"});
    EXPECT_EQ(platform::readWholeFile(to.filePath("Default.nam")), "new");
    EXPECT_EQ(withTrailingSlash("/x/BackUp"), "/x/BackUp/");
    EXPECT_EQ(withTrailingSlash("/x/BackUp/"), "/x/BackUp/");
}

TEST(BackupFiles, ReadingStopsAtAFileThatIsNotThere) {
    QTemporaryDir from;
    platform::writeFileAtomically(from.filePath("a.nam"), "a");
    EXPECT_THROW(readDataFiles(from.path(), {"a.nam", "gone.nam"}), platform::FileError);
}

}  // namespace
}  // namespace sorvik::records
