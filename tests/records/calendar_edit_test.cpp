#include "records/calendar_edit.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "calendar_fixture.h"
#include "platform/atomic_file.h"
#include "records/calendar_file.h"

namespace sorvik::records {
namespace {

using engine::CalendarRecord;
using engine::testing::makeCalendar;

// 2020/3 of 30 days, then the closing month given.
engine::CalendarTable endingWith(int lunarMonth) {
    return lunarMonth == -4
               ? makeCalendar({2020, 3, 24}, {{2020, 3, 30}, {2020, 4, 30}}, {2020, -4, 0})
               : makeCalendar({2020, 3, 24}, {{2020, 3, 30}}, {2020, lunarMonth, 0});
}

int plusDays(int ymd, int days) {
    return engine::DateToYmd(engine::addDays(engine::dateFromYmd(ymd), days));
}

TEST(CalendarEdit, AnOrdinaryMonthAfterItsLeapMonthIsRefusedTheLeapMonthAfterItAccepted) {
    engine::CalendarTable afterLeap = endingWith(-4);
    const auto before = afterLeap.lines();
    const CalendarRecord four{plusDays(afterLeap.records().back().startYmd, 29), 2020, 4};
    const CalendarEditOutcome refused =
        applyCalendarEdit(afterLeap, CalendarEditMode::AddLast, 0, four);
    EXPECT_FALSE(refused.applied);
    EXPECT_EQ(refused.messages, QStringList{"2020/06/21 は、旧暦年月が不適当です。"});
    EXPECT_EQ(afterLeap.lines(), before);

    engine::CalendarTable afterFour = endingWith(4);
    const CalendarRecord leap{plusDays(afterFour.records().back().startYmd, 30), 2020, -4};
    const CalendarEditOutcome accepted =
        applyCalendarEdit(afterFour, CalendarEditMode::AddLast, 0, leap);
    EXPECT_TRUE(accepted.applied);
    EXPECT_TRUE(accepted.messages.isEmpty());
    EXPECT_EQ(afterFour.lines().back(), "20200523,2020,-4");
    EXPECT_EQ(afterFour.last(), 20200423) << "the range keeps the load's values";
}

TEST(CalendarEdit, AMonthOf31DaysStopsTheCheckAtThatMonth) {
    engine::CalendarTable table = engine::testing::sampleCalendar();
    // Row 1 now starts 31 days after row 0 and repeats its month: only the length is told.
    const CalendarEditOutcome outcome =
        applyCalendarEdit(table, CalendarEditMode::Change, 1, CalendarRecord{20191227, 2019, 11});
    EXPECT_FALSE(outcome.applied);
    EXPECT_EQ(outcome.messages, QStringList{"2019/12/27 は、日付が暦算上不適当です。"});
    EXPECT_EQ(table.records()[1].startYmd, 20191226);
}

TEST(CalendarEdit, EveryWrongSuccessionBeforeTheStopIsTold) {
    engine::CalendarTable table = engine::testing::sampleCalendar();
    // Month 12 of 2019 changed into month 1: wrong after 11 and wrong before 1 of 2020.
    const CalendarEditOutcome outcome =
        applyCalendarEdit(table, CalendarEditMode::Change, 1, CalendarRecord{20191226, 2019, 1});
    EXPECT_EQ(outcome.messages, (QStringList{"2019/12/26 は、旧暦年月が不適当です。",
                                             "2020/01/24 は、旧暦年月が不適当です。"}));
}

TEST(CalendarEdit, AMonthTheNextStartWouldRefuseIsRefusedNow) {
    // Month 1 after month 12 passes the succession, but no lunar year has five digits.
    engine::CalendarTable table = makeCalendar({2020, 12, 15}, {{9999, 11, 30}}, {9999, 12, 0});
    const CalendarEditOutcome outcome =
        applyCalendarEdit(table, CalendarEditMode::AddLast, 0, CalendarRecord{20210213, 10000, 1});
    EXPECT_FALSE(outcome.applied);
    EXPECT_EQ(outcome.messages.size(), 1);
    EXPECT_EQ(table.records().size(), 2u);
}

TEST(CalendarEdit, Proposals) {
    const engine::CalendarTable endOfYear =
        makeCalendar({2020, 12, 15}, {{2020, 11, 30}}, {2020, 12, 0});
    const engine::CalendarTable sample = engine::testing::sampleCalendar();
    struct Case {
        const engine::CalendarTable* table;
        CalendarEditMode mode;
        std::size_t selected;
        int length;
        CalendarRecord expected;
    };
    const Case cases[] = {
        // after a month 12: month 1 of the next year, 29 or 30 days on
        {&endOfYear, CalendarEditMode::AddLast, 0, 29, {20210212, 2021, 1}},
        {&endOfYear, CalendarEditMode::AddLast, 0, 30, {20210213, 2021, 1}},
        // before a month 11: month 10 of the same year
        {&sample, CalendarEditMode::AddFirst, 0, 30, {20191027, 2019, 10}},
        // after 2022/2 (the closing month, from 2022/3/31): 2022/3
        {&sample, CalendarEditMode::AddLast, 0, 29, {20220429, 2022, 3}},
        // the selected month itself, a leap month kept as it is
        {&sample, CalendarEditMode::Change, 6, 29, sample.records()[6]},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(proposeMonth(*c.table, c.mode, c.selected, c.length), c.expected)
            << static_cast<int>(c.mode) << " " << c.length;
    }
    const engine::CalendarTable newYear =
        makeCalendar({2021, 2, 12}, {{2021, 1, 30}}, {2021, 2, 0});
    EXPECT_EQ(proposeMonth(newYear, CalendarEditMode::AddFirst, 0, 30),
              (CalendarRecord{20210113, 2020, 12}));
}

TEST(CalendarEdit, MonthItemsAndGaps) {
    EXPECT_EQ(monthItems().mid(0, 4), (QStringList{"  1", " -1", "  2", " -2"}));
    EXPECT_EQ(monthItems().last(), "-12");
    const QStringList gaps = monthGaps(engine::testing::sampleCalendar());
    EXPECT_EQ(gaps.mid(0, 3), (QStringList{"", "30", "29"}));
}

TEST(CalendarEdit, DeletingAsksWithTheMonthAndKeepsTwoMonths) {
    engine::CalendarTable table = endingWith(-4);
    EXPECT_EQ(deleteQuestion(table.records().back()),
              "旧暦 2020/-4/ 1→\n\r西暦 2020/05/23 を削除してよろしいですか？");
    EXPECT_TRUE(deleteCalendarMonth(table, 2));
    EXPECT_FALSE(deleteCalendarMonth(table, 0));
    EXPECT_EQ(table.records().size(), 2u);
}

TEST(CalendarEdit, TheFirstSaveKeepsTheOldFileAsBackupAndLaterSavesLeaveIt) {
    QTemporaryDir dir;
    const engine::CalendarTable shipped = engine::testing::sampleCalendar();
    SaveCalendar(shipped, dir.filePath("INREKI.DAT"));
    const QByteArray original = platform::readWholeFile(dir.filePath("INREKI.DAT"));

    engine::CalendarTable table = shipped;
    ASSERT_TRUE(deleteCalendarMonth(table, table.records().size() - 1));
    EXPECT_TRUE(saveCalendarWithBackup(table, dir.path()));
    EXPECT_EQ(platform::readWholeFile(dir.filePath("INREKI.SAV")), original);
    EXPECT_EQ(LoadCalendar(dir.path()).lines(), table.lines());

    ASSERT_TRUE(deleteCalendarMonth(table, table.records().size() - 1));
    EXPECT_FALSE(saveCalendarWithBackup(table, dir.path()));
    EXPECT_EQ(platform::readWholeFile(dir.filePath("INREKI.SAV")), original);
    EXPECT_EQ(LoadCalendar(dir.path()).lines(), table.lines());
}

TEST(CalendarEdit, TheShippedTableTakesItsNextMonthAndRefusesABrokenOne) {
    engine::CalendarTable table = LoadCalendar(QStringLiteral(SORVIK_DATA_DIR));
    const CalendarRecord next = proposeMonth(table, CalendarEditMode::AddLast, 0, 30);
    CalendarRecord broken = next;
    broken.lunarMonth = -broken.lunarMonth;  // a leap month that repeats nothing
    engine::CalendarTable copy = table;
    EXPECT_FALSE(applyCalendarEdit(copy, CalendarEditMode::AddLast, 0, broken).applied);
    EXPECT_EQ(copy.lines(), table.lines());
    EXPECT_TRUE(applyCalendarEdit(copy, CalendarEditMode::AddLast, 0, next).applied);
    EXPECT_EQ(copy.records().back(), next);
}

}  // namespace
}  // namespace sorvik::records
