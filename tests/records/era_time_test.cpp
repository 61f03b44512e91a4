#include <gtest/gtest.h>

#include "records/era_dates.h"
#include "records/time_list.h"

namespace sorvik::records {
namespace {

TEST(EraDateEntry, OpensOnTodayInItsEra) {
    const struct {
        QDate today;
        int era;
        const char* text;
    } cases[] = {
        {{2024, 5, 1}, 4, "06/05/01"},
        {{2019, 4, 30}, 3, "31/04/30"},
        {{1989, 1, 7}, 2, "64/01/07"},
        {{1912, 7, 30}, 1, "01/07/30"},
    };
    for (const auto& c : cases) {
        const EraDateEntry entry(c.today);
        EXPECT_EQ(entry.era(), c.era) << c.text;
        EXPECT_EQ(entry.valueText(), c.text);
        EXPECT_EQ(eraItem(entry.era()).size(), 4);
    }
    EXPECT_EQ(eraItem(4), "5 令和");
}

TEST(EraDateEntry, ReadsTheTextInTheSelectedEraAndMendsAMismatch) {
    const struct {
        int era;
        const char* text;
        QDate value;
        int eraAfter;
        const char16_t* message;  // null for none
        const char* shownAfter;
    } cases[] = {
        {2, "64/01/07", {1989, 1, 7}, 2, nullptr, "64/01/07"},
        {2, "64/01/08", {1989, 1, 8}, 3, kEraMismatchMessage, "01/01/08"},
        {0, "01/01/01", {1868, 9, 8}, 0, kBeforeMeijiMessage, "01/09/08"},
        {3, "31/04/30", {2019, 4, 30}, 3, nullptr, "31/04/30"},
        {3, "31/05/01", {2019, 5, 1}, 4, kEraMismatchMessage, "01/05/01"},
        {3, "36/05/01", {2024, 5, 1}, 4, kEraMismatchMessage, "06/05/01"},
        // Two eras on: the day's own era, so the day stays the one typed.
        {0, "99/01/01", {1966, 1, 1}, 2, kEraMismatchMessage, "41/01/01"},
        {3, "01/01/07", {1989, 1, 7}, 2, kEraMismatchMessage, "64/01/07"},
    };
    for (const auto& c : cases) {
        EraDateEntry entry({2000, 1, 1});
        entry.setEra(c.era);
        const QStringList messages = entry.read(QString::fromLatin1(c.text));
        EXPECT_EQ(entry.value(), c.value) << c.text;
        EXPECT_EQ(entry.era(), c.eraAfter) << c.text;
        EXPECT_EQ(messages, c.message ? QStringList{QString::fromUtf16(c.message)} : QStringList())
            << c.text;
        EXPECT_EQ(entry.valueText(), c.shownAfter) << c.text;
    }
}

TEST(EraDateEntry, NoDateKeepsTheValueAndABlankTextClearsIt) {
    EraDateEntry entry({2000, 1, 1});
    EXPECT_FALSE(entry.readsAsDate("12/13/01"));
    EXPECT_FALSE(entry.readsAsDate("12/0 /01"));
    EXPECT_TRUE(entry.readsAsDate("12/02/01"));
    EXPECT_EQ(entry.read("12/13/01"), QStringList{"『12/13/01』は日付になりません。"});
    EXPECT_EQ(entry.value(), QDate(2000, 1, 1));
    EXPECT_EQ(entry.gregorianLabel(), "西暦2000/01/01");
    EXPECT_TRUE(entry.read("  /  /  ").isEmpty());
    EXPECT_FALSE(entry.value().isValid());
    EXPECT_EQ(entry.valueText(), "");
}

TEST(TimeList, ThirteenSlotsFromMidnightToMidnightOfTheNextDay) {
    const std::vector<NameList::Row> rows = timeListRows({1990, 5, 1}, "山田", "女");
    ASSERT_EQ(rows.size(), 13u);
    const char* branches = "子丑寅卯辰巳午未申酉戌亥子";
    for (int r = 0; r < 13; ++r) {
        EXPECT_EQ(rows[r][0], "山田：" + QString::fromUtf8(branches).mid(r, 1));
        EXPECT_EQ(rows[r][1], "女");
        EXPECT_EQ(rows[r][2], r < 12 ? "1990/05/01" : "1990/05/02");
        EXPECT_EQ(rows[r][3], QStringLiteral("%1:00").arg(2 * r % 24, 2, 10, QLatin1Char('0')));
    }
}

TEST(TimeList, ASlotSuffixIsNotAddedTwice) {
    const struct {
        const char* name;
        const char* base;
    } cases[] = {
        {"山田：午", "山田"},     {"山田：花子", "山田：花子"}, {"山田", "山田"},
        {"山田：子：丑", "山田"}, {"山田：", "山田："},         {"山田:午", "山田:午"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(slotBaseName(QString::fromUtf8(c.name)), c.base) << c.name;
    }
    EXPECT_EQ(timeListRows({1990, 5, 1}, "山田：花子", "男")[6][0], "山田：花子：午");
}

}  // namespace
}  // namespace sorvik::records
