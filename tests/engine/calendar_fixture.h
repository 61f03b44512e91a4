#pragma once

#include <string>
#include <vector>

#include "engine/calendar_table.h"

namespace sorvik::engine::testing {

struct FixtureMonth {
    int lunarYear;
    int lunarMonth;
    int length;
};

// A small calendar: each month starts where the one before it ended; a closing record follows
// the last month.
inline CalendarTable makeCalendar(const Date& start, const std::vector<FixtureMonth>& months,
                                  FixtureMonth closing) {
    std::string bytes;
    auto append = [&bytes](int value) {
        for (int i = 0; i < 4; ++i) {
            bytes.push_back(static_cast<char>((static_cast<unsigned>(value) >> (8 * i)) & 0xFF));
        }
    };
    Date day = start;
    for (const FixtureMonth& m : months) {
        append(DateToYmd(day));
        append(m.lunarYear);
        append(m.lunarMonth);
        day = addDays(day, m.length);
    }
    append(DateToYmd(day));
    append(closing.lunarYear);
    append(closing.lunarMonth);
    return CalendarTable::fromRecordBytes(bytes);
}

// 2019/11 .. 2022/1 with a 29-day leap fourth month in 2020 and a 30-day leap twelfth month
// in 2021; the closing record starts 2022/2.
inline CalendarTable sampleCalendar() {
    return makeCalendar(
        {2019, 11, 26},
        {{2019, 11, 30}, {2019, 12, 29}, {2020, 1, 30},   {2020, 2, 29},  {2020, 3, 30},
         {2020, 4, 29},  {2020, -4, 29}, {2020, 5, 30},   {2020, 6, 29},  {2020, 7, 30},
         {2020, 8, 29},  {2020, 9, 30},  {2020, 10, 29},  {2020, 11, 30}, {2020, 12, 29},
         {2021, 1, 30},  {2021, 2, 29},  {2021, 3, 30},   {2021, 4, 29},  {2021, 5, 30},
         {2021, 6, 29},  {2021, 7, 30},  {2021, 8, 29},   {2021, 9, 30},  {2021, 10, 29},
         {2021, 11, 30}, {2021, 12, 29}, {2021, -12, 30}, {2022, 1, 30}},
        {2022, 2, 0});
}

// 1984/1/3 .. 1986/2/9 with the lunar new years on 1984/2/2 and 1985/2/17 and a leap tenth
// month in 1984; month lengths alternate, so only the first days are the real ones.
inline CalendarTable calendar1984() {
    return makeCalendar(
        {1984, 1, 3},
        {{1983, 12, 30}, {1984, 1, 29},   {1984, 2, 30},  {1984, 3, 29},  {1984, 4, 30},
         {1984, 5, 29},  {1984, 6, 30},   {1984, 7, 29},  {1984, 8, 30},  {1984, 9, 29},
         {1984, 10, 30}, {1984, -10, 29}, {1984, 11, 30}, {1984, 12, 29}, {1985, 1, 30},
         {1985, 2, 29},  {1985, 3, 30},   {1985, 4, 29},  {1985, 5, 30},  {1985, 6, 29},
         {1985, 7, 30},  {1985, 8, 29},   {1985, 9, 30},  {1985, 10, 29}, {1985, 11, 30},
         {1985, 12, 29}},
        {1986, 1, 0});
}

}  // namespace sorvik::engine::testing
