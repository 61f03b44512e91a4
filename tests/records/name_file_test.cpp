#include "records/name_file.h"

#include <gtest/gtest.h>

#include "records/date_texts.h"

namespace sorvik::records {
namespace {

TEST(NameLine, ReadsTheFirstFourFieldsAndNormalisesThem) {
    struct Case {
        const char* line;
        QStringList expected;
    };
    const Case cases[] = {
        {"a", {"a", "", "", ""}},
        {"b,女", {"b", "女", "", ""}},
        {"c,男,1990/1/5,7:05", {"c", "男", "1990/01/05", "07:05"}},
        {"d,女,1984/02/02 12:00,12:00,summary,more,", {"d", "女", "1984/02/02", "12:00"}},
        {"e,男,1990/13/01,25:00,", {"e", "男", "", "99:99"}},
        {"f,男,1990/02/30,,", {"f", "男", "", ""}},
        {"g,男,84/2/2,9:5:30,", {"g", "男", "1984/02/02", "09:05"}},
        {"h,男,not a date,noon,", {"h", "男", "", "99:99"}},
    };
    for (const Case& c : cases) {
        const NameList::Row row = readNameLine(QString::fromUtf8(c.line));
        QStringList got;
        for (int column = 0; column < NameList::kStoredColumns; ++column) {
            got << row[column];
        }
        EXPECT_EQ(got, c.expected) << c.line;
        EXPECT_TRUE(row[4].isEmpty() && row[37].isEmpty());
    }
}

TEST(NameFileSession, RelativeNamesResolveAgainstTheProgramFolderNotTheWorkingFolder) {
    NameList list;
    const NameFileSession session(list, QStringLiteral("/opt/sorvik/"));
    EXPECT_EQ(session.resolveNamePath(QStringLiteral("Default.nam")), "/opt/sorvik/Default.nam");
    EXPECT_EQ(session.resolveNamePath(QStringLiteral("sub/a.nam")), "/opt/sorvik/sub/a.nam");
    EXPECT_EQ(session.resolveNamePath(QStringLiteral("/home/u/b.nam")), "/home/u/b.nam");
}

TEST(NameList, EmptyingLeavesOneBlankRow) {
    NameList list;
    EXPECT_TRUE(list.isEmpty());
    list.append(readNameLine(QStringLiteral("a,男")));
    list.append(readNameLine(QStringLiteral("b,女")));
    list.removeRows(0, 1);
    EXPECT_EQ(list.rowCount(), 2);
    list.removeRows(0, 2);
    EXPECT_EQ(list.rowCount(), 1);
    EXPECT_TRUE(list.isEmpty());
    list.reset({});
    EXPECT_EQ(list.rowCount(), 1);
}

}  // namespace
}  // namespace sorvik::records
