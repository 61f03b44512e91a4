#include "records/calendar_file.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "calendar_fixture.h"
#include "engine/errors.h"
#include "platform/atomic_file.h"
#include "platform/errors.h"

namespace sorvik::records {
namespace {

TEST(CalendarFile, SavedTablesLoadBackAndSaveByteForByte) {
    QTemporaryDir dir;
    const engine::CalendarTable table = engine::testing::sampleCalendar();
    EXPECT_EQ(SaveCalendar(table, dir.filePath("INREKI.DAT")), 30);
    const QByteArray first = platform::readWholeFile(dir.filePath("INREKI.DAT"));
    const engine::CalendarTable loaded = LoadCalendar(dir.path());
    EXPECT_EQ(loaded.lines(), table.lines());
    SaveCalendar(loaded, dir.filePath("INREKI.DAT"));
    EXPECT_EQ(platform::readWholeFile(dir.filePath("INREKI.DAT")), first);
}

TEST(CalendarFile, FindsAUsersFileInAnotherSpelling) {
    QTemporaryDir dir;
    SaveCalendar(engine::testing::sampleCalendar(), dir.filePath("Inreki.dat"));
    EXPECT_EQ(LoadCalendar(dir.path()).first(), 20191126);
}

TEST(CalendarFile, ALineThatIsNotThreeIntegersIsRefusedAndChangesNothing) {
    QTemporaryDir dir;
    const QString path = dir.filePath("INREKI.DAT");
    engine::CalendarTable table = engine::testing::sampleCalendar();
    SaveCalendar(table, path);
    const QByteArray before = platform::readWholeFile(path);

    std::vector<std::string> lines = table.lines();
    lines.push_back("20220331,2022,x");
    EXPECT_THROW(table.setLines(lines), engine::ConversionError);
    EXPECT_EQ(table.lines().size(), 30u);
    EXPECT_EQ(table.records().size(), 30u);
    SaveCalendar(table, path);
    EXPECT_EQ(platform::readWholeFile(path), before);
}

TEST(CalendarFile, MissingAndMalformedFilesAreReported) {
    QTemporaryDir dir;
    EXPECT_THROW(LoadCalendar(dir.path()), platform::FileError);
    QFile file(dir.filePath("INREKI.DAT"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(QByteArray(12, '\0'));
    file.close();
    try {
        LoadCalendar(dir.path());
        FAIL() << "expected DamagedFileError";
    } catch (const platform::DamagedFileError& e) {
        EXPECT_EQ(e.message(),
                  "『INREKI.DAT』を読み込めません。"
                  "暦データファイルには、少なくとも2か月分のデータが必要です。");
    }
}

}  // namespace
}  // namespace sorvik::records
