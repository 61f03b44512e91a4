#include "records/name_table.h"

#include <gtest/gtest.h>

#include "records/name_file.h"

namespace sorvik::records {
namespace {

void fill(NameList& list, std::initializer_list<const char*> lines) {
    std::vector<NameList::Row> rows;
    for (const char* line : lines) {
        rows.push_back(readNameLine(QString::fromUtf8(line)));
    }
    list.reset(rows);
}

QStringList column(const NameList& list, int c) {
    QStringList texts;
    for (int row = 0; row < list.rowCount(); ++row) {
        texts << list.cell(row, c);
    }
    return texts;
}

TEST(NameListHeaders, FixedHeadersThenAnEmptyHeaderAndTheNameOfEachPalace) {
    std::array<QString, 12> palaces;
    for (int i = 0; i < 12; ++i) {
        palaces[i] = QStringLiteral("宮%1").arg(i);
    }
    const Headers h = nameListHeaders(palaces);
    EXPECT_EQ(h[0], "氏　名");
    EXPECT_EQ(h[4], "旧暦日付");
    EXPECT_EQ(h[5], "");
    EXPECT_EQ(h[13], "身宮");
    EXPECT_EQ(h[14], "");
    EXPECT_EQ(h[15], "宮0");
    EXPECT_EQ(h[37], "宮11");
    EXPECT_EQ(nameListColumnWidth(0), 106);
    EXPECT_EQ(nameListColumnWidth(4), 125);
    EXPECT_EQ(nameListColumnWidth(36), 30);
    EXPECT_EQ(nameListColumnWidth(37), 60);
}

TEST(SortByColumn, OrdersByTheTextIgnoringCaseAndReversesForDescending) {
    NameList list;
    fill(list, {"b,男,1990/05/01", "A,女,1975/12/31", "c,男,2001/01/01"});
    SortByColumn(list, NameList::kDate, false);
    EXPECT_EQ(column(list, NameList::kName), QStringList({"A", "b", "c"}));
    SortByColumn(list, NameList::kDate, true);
    EXPECT_EQ(column(list, NameList::kName), QStringList({"c", "b", "A"}));
    SortByColumn(list, NameList::kName, false);
    EXPECT_EQ(column(list, NameList::kName), QStringList({"A", "b", "c"}));
}

TEST(NameSearch, PartialFindsTheLastRowThenNextMissesAndStartsAgain) {
    NameList list;
    fill(list, {"山田,男", "田中,女", "鈴木花子,女"});
    NameSearch search;
    EXPECT_EQ(search.find(list, 0, "花", SearchMode::Partial, "氏　名"), 2);
    EXPECT_EQ(search.next(list, 0, "花", SearchMode::Partial), std::nullopt);
    EXPECT_EQ(search.next(list, 0, "花", SearchMode::Partial), 2);
    EXPECT_EQ(search.find(list, 0, "田", SearchMode::Partial, "氏　名"), 0);
    EXPECT_EQ(search.next(list, 0, "田", SearchMode::Partial), 1);
    // After a miss the first person is found again.
    EXPECT_EQ(search.next(list, 0, "田", SearchMode::Partial), std::nullopt);
    EXPECT_EQ(search.next(list, 0, "田", SearchMode::Partial), 0);
}

TEST(NameSearch, ExactIgnoresCaseButNextComparesCase) {
    NameList list;
    fill(list, {"Smith,男", "jones,女", "Jones,男"});
    NameSearch search;
    EXPECT_EQ(search.find(list, 0, "JONES", SearchMode::Exact, "氏　名"), 1);
    EXPECT_EQ(search.next(list, 0, "JONES", SearchMode::Exact), std::nullopt);
    EXPECT_EQ(search.find(list, 0, "jones", SearchMode::Exact, "氏　名"), 1);
    EXPECT_EQ(search.next(list, 0, "jones", SearchMode::Exact), std::nullopt);
    EXPECT_EQ(search.find(list, 0, "Jones", SearchMode::Exact, "氏　名"), 1);
    EXPECT_EQ(search.next(list, 0, "Jones", SearchMode::Exact), 2);
    // A text equal to the header finds nothing.
    EXPECT_EQ(search.find(list, 1, "性", SearchMode::Exact, "性"), std::nullopt);
    EXPECT_EQ(search.find(list, 0, "", SearchMode::Exact, "氏　名"), std::nullopt);
}

TEST(NameList, MovingABlockKeepsTheOtherRowsInOrder) {
    NameList list;
    fill(list, {"a", "b", "c", "d", "e"});
    list.moveRows(3, 2, 1);
    EXPECT_EQ(column(list, 0), QStringList({"a", "d", "e", "b", "c"}));
    list.moveRows(0, 2, 5);
    EXPECT_EQ(column(list, 0), QStringList({"e", "b", "c", "a", "d"}));
    list.moveRows(1, 2, 2);  // into itself: nothing
    EXPECT_EQ(column(list, 0), QStringList({"e", "b", "c", "a", "d"}));
}

}  // namespace
}  // namespace sorvik::records
