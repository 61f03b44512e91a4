#include "engine/calendar_table.h"

#include <gtest/gtest.h>

#include "calendar_fixture.h"
#include "engine/errors.h"
#include "engine/number_text.h"

namespace sorvik::engine {
namespace {

using testing::calendar1984;
using testing::FixtureMonth;
using testing::sampleCalendar;

// The look-up as the table defines it: the line before the first one that starts later.
std::optional<CalendarMonth> linearMonthOf(const CalendarTable& table, const Date& date) {
    const auto& records = table.records();
    for (std::size_t i = 0; i < records.size(); ++i) {
        if (records[i].startYmd > DateToYmd(date)) {
            if (i == 0) {
                return std::nullopt;
            }
            return CalendarMonth{records[i - 1], records[i].startYmd, i - 1};
        }
    }
    return std::nullopt;
}

TEST(CalendarTable, RecordsLoadAsLinesAndSaveBackByteForByte) {
    const CalendarTable table = sampleCalendar();
    ASSERT_EQ(table.lines().size(), 30u);
    EXPECT_EQ(table.lines()[0], "20191126,2019,11");
    EXPECT_EQ(table.lines()[6], "20200521,2020,-4");
    EXPECT_EQ(table.first(), 20191126);
    EXPECT_EQ(table.last(), 20220331);
    const std::string bytes = table.toRecordBytes();
    EXPECT_EQ(bytes.size(), 30u * 12u);
    EXPECT_EQ(CalendarTable::fromRecordBytes(bytes).toRecordBytes(), bytes);
    EXPECT_EQ(bytes.substr(24, 12),
              std::string("\xBC\x3A\x34\x01\xE4\x07\x00\x00\x01\x00\x00\x00", 12));
}

TEST(CalendarTable, MalformedTablesAreRefused) {
    EXPECT_THROW(CalendarTable::fromRecordBytes(std::string(12, '\0')), CalendarError);
    EXPECT_THROW(CalendarTable::fromRecordBytes(std::string(30, '\0')), CalendarError);
    EXPECT_THROW(CalendarTable::fromRecordBytes({}), CalendarError);

    CalendarTable table = sampleCalendar();
    std::vector<std::string> lines = table.lines();
    lines[3] = "2020022x,2020,2";
    EXPECT_THROW(table.setLines(lines), ConversionError);
    EXPECT_THROW(ParseCalendarLine("20200223,2020"), ConversionError);
    EXPECT_EQ(ParseCalendarLine("20200521,2020,-4"), (CalendarRecord{20200521, 2020, -4}));
}

TEST(CalendarTable, ARecordThatIsNoLunarMonthIsRefusedByItsNumber) {
    struct Case {
        std::size_t index;
        const char* line;
        const char* message;
    };
    const Case cases[] = {
        {3, "20200231,2020,1", "暦データファイルの4件目のデータ『20200231,2020,1』が不正です。"},
        {3, "-2147483648,2020,1",
         "暦データファイルの4件目のデータ『-2147483648,2020,1』が不正です。"},
        {0, "991126,2019,11", "暦データファイルの1件目のデータ『991126,2019,11』が不正です。"},
        {3, "20200223,0,1", "暦データファイルの4件目のデータ『20200223,0,1』が不正です。"},
        {3, "20200223,2147483647,1",
         "暦データファイルの4件目のデータ『20200223,2147483647,1』が不正です。"},
        {3, "20200223,2020,0", "暦データファイルの4件目のデータ『20200223,2020,0』が不正です。"},
        {3, "20200223,2020,13", "暦データファイルの4件目のデータ『20200223,2020,13』が不正です。"},
        {3, "20200223,2020,-2147483648",
         "暦データファイルの4件目のデータ『20200223,2020,-2147483648』が不正です。"},
        // Out of order: the look-up needs ascending start days.
        {3, "20191201,2020,2", "暦データファイルの4件目のデータ『20191201,2020,2』が不正です。"},
        {29, "20220301,2022,2", "暦データファイルの30件目のデータ『20220301,2022,2』が不正です。"},
    };
    for (const Case& c : cases) {
        CalendarTable table = sampleCalendar();
        std::vector<std::string> lines = table.lines();
        lines[c.index] = c.line;
        table.setLines(lines);
        try {
            CalendarTable::fromRecordBytes(table.toRecordBytes());
            ADD_FAILURE() << c.line;
        } catch (const CalendarError& e) {
            EXPECT_STREQ(e.what(), c.message);
        }
    }
}

TEST(CalendarTable, TablesThatMakeNoSenseAreRefusedByRecordNumber) {
    using Kind = SuccessionFault::Kind;
    struct Case {
        const char* what;
        std::vector<FixtureMonth> months;
        FixtureMonth closing;
        std::vector<SuccessionFault> faults;
        const char* message;
    };
    const Case cases[] = {
        {"every month leap",
         {{2020, -1, 30}, {2020, -2, 29}, {2020, -3, 30}},
         {2020, -4, 0},
         {{1, Kind::LunarMonth}, {2, Kind::LunarMonth}, {3, Kind::LunarMonth}},
         "暦データファイルの2件目のデータ『20200124,2020,-2』が不正です。"},
        {"one lunar year throughout",
         {{2020, 11, 30}, {2020, 12, 29}, {2020, 1, 30}},
         {2020, 2, 0},
         {{2, Kind::LunarMonth}},
         "暦データファイルの3件目のデータ『20200222,2020,1』が不正です。"},
        {"one-day months",
         {{2020, 1, 1}, {2020, 2, 1}},
         {2020, 3, 0},
         {{1, Kind::MonthLength}},
         "暦データファイルの2件目のデータ『20191226,2020,2』が不正です。"},
        // A wrong month first is listed; a wrong length then ends the check, as in the editor.
        {"ordinary month after its leap, then 31 days",
         {{2020, 4, 29}, {2020, -4, 30}, {2020, 4, 31}, {2020, 6, 29}},
         {2020, 8, 0},
         {{2, Kind::LunarMonth}, {3, Kind::MonthLength}},
         "暦データファイルの3件目のデータ『20200222,2020,4』が不正です。"},
    };
    for (const Case& c : cases) {
        std::string bytes;
        Date day{2019, 12, 25};
        std::vector<CalendarRecord> records;
        for (const FixtureMonth& m : c.months) {
            records.push_back({DateToYmd(day), m.lunarYear, m.lunarMonth});
            day = addDays(day, m.length);
        }
        records.push_back({DateToYmd(day), c.closing.lunarYear, c.closing.lunarMonth});
        EXPECT_EQ(checkSuccession(records), c.faults) << c.what;
        CalendarTable table = sampleCalendar();
        std::vector<std::string> lines;
        for (const CalendarRecord& r : records) {
            lines.push_back(formatCalendarLine(r));
        }
        table.setLines(lines);
        try {
            CalendarTable::fromRecordBytes(table.toRecordBytes());
            ADD_FAILURE() << c.what;
        } catch (const CalendarError& e) {
            EXPECT_STREQ(e.what(), c.message) << c.what;
        }
    }
    EXPECT_TRUE(checkSuccession(sampleCalendar().records()).empty());
    EXPECT_TRUE(checkSuccession(calendar1984().records()).empty());
}

TEST(CalendarTable, RangeEndsTheDayBeforeTheClosingRecord) {
    const CalendarTable table = sampleCalendar();
    struct Case {
        Date date;
        bool ok;
        const char* message;
    };
    const Case cases[] = {
        {{2019, 11, 25}, false, "『2019/11/25』は、日付変換可能範囲外です。"},
        {{2019, 11, 26}, true, ""},
        {{2022, 3, 30}, true, ""},
        {{2022, 3, 31}, false, "『2022/03/31』は、日付変換可能範囲外です。"},
        {{2021, 2, 30}, false, "日付データが不正です。"},
    };
    for (const Case& c : cases) {
        const RangeCheck check = table.CheckCalendarRange(c.date);
        EXPECT_EQ(check.ok, c.ok) << formatSlashed(c.date);
        EXPECT_EQ(check.message, c.message);
        // The range check and the look-up agree on every real day.
        if (isValidDate(c.date)) {
            EXPECT_EQ(table.monthOf(c.date).has_value(), c.ok) << formatSlashed(c.date);
        }
    }
    EXPECT_FALSE(table.CheckCalendarRange(std::nullopt).ok);
}

TEST(CalendarTable, BinarySearchAgreesWithTheLinearScanOnEveryDay) {
    const CalendarTable table = sampleCalendar();
    for (Date d = {2019, 11, 20}; d <= Date{2022, 4, 5}; d = addDays(d, 1)) {
        const auto fast = table.monthOf(d);
        const auto slow = linearMonthOf(table, d);
        ASSERT_EQ(fast.has_value(), slow.has_value()) << formatSlashed(d);
        if (fast) {
            EXPECT_EQ(fast->record, slow->record);
            EXPECT_EQ(fast->nextStartYmd, slow->nextStartYmd);
            EXPECT_EQ(fast->index, slow->index);
        }
    }
}

TEST(Dates, PaddedNumbersAsPrintfWritesThem) {
    struct Case {
        int value;
        int width;
        char fill;
        const char* text;
    };
    for (const Case& c : {Case{7, 3, ' ', "  7"}, Case{123, 2, ' ', "123"}, Case{5, 2, '0', "05"},
                          Case{-5, 4, '0', "-005"}, Case{-5, 3, ' ', " -5"}, Case{0, 2, '0', "00"},
                          Case{850, 4, '0', "0850"}}) {
        EXPECT_EQ(padded(c.value, c.width, c.fill), c.text) << c.value;
    }
}

TEST(Dates, HelpersOnCalendarFormats) {
    EXPECT_EQ(FormatYmd({2020, 2, 3}), "20200203");
    EXPECT_EQ(DateToYmd({2020, 2, 3}), 20200203);
    EXPECT_EQ(YmdToDate("20200229"), (Date{2020, 2, 29}));
    EXPECT_FALSE(YmdToDate("20210229"));
    EXPECT_FALSE(YmdToDate(""));
    EXPECT_EQ(YmdToSlashed("20200203"), "2020/02/03");
    EXPECT_EQ(YmdToSlashed(""), "");
    EXPECT_EQ(addDays({2000, 2, 28}, 1), (Date{2000, 2, 29}));
    EXPECT_EQ(addDays({1900, 2, 28}, 1), (Date{1900, 3, 1}));
    EXPECT_EQ(addDays({1999, 12, 31}, 1), (Date{2000, 1, 1}));
    EXPECT_EQ(parseDateTime("2020/1/2 3:04"), (DateTime{{2020, 1, 2}, 3, 4}));
    EXPECT_FALSE(parseDateTime("2020/13/02 03:04"));
    EXPECT_FALSE(parseDateTime("2020/12/02 24:00"));
    EXPECT_FALSE(parseDateTime("2020/12/02", "ab:00"));
}

}  // namespace
}  // namespace sorvik::engine
