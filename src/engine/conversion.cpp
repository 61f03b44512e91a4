#include "conversion.h"

#include <cstdlib>

#include "errors.h"

namespace sorvik::engine {

namespace {

std::string lunarDateText(const LunarDate& lunar) {
    return "旧暦" + std::to_string(lunar.year) + "年" + (lunar.month < 0 ? "閏" : "") +
           std::to_string(std::abs(lunar.month)) + "月" + std::to_string(lunar.day) + "日";
}

}  // namespace

int adjustedLunarMonth(int lunarMonth, int leapAdjust) {
    int month = std::abs(lunarMonth);
    if (lunarMonth < 0 && leapAdjust == 1) {
        ++month;
    }
    return month > 12 ? 1 : month;
}

int ConvertedMoment::placementMonth() const {
    return adjustedLunarMonth(lunar.month, leapAdjust);
}

Branch hourBranch(int hour) {
    return Branch::Zi + (hour + 1) / 2;
}

ConvertedMoment ConvertBirthMoment(const CalendarTable& calendar, const DateTime& moment) {
    // From 23:00 on, a birth belongs to the next day (the 子 hour starts the day).
    const Date day = moment.hour == 23 ? addDays(moment.date, 1) : moment.date;
    const std::optional<CalendarMonth> month = calendar.monthOf(day);
    if (!month) {
        throw CalendarError("『" + formatSlashed(day) + "』は、日付変換可能範囲外です。");
    }
    const long long monthStart = daysFromCivil(dateFromYmd(month->record.startYmd));

    ConvertedMoment result;
    result.lunar.year = month->record.lunarYear;
    result.lunar.month = month->record.lunarMonth;
    result.lunar.hour = hourBranch(moment.hour);
    result.lunar.day = static_cast<int>(daysFromCivil(day) - monthStart) + 1;
    if (result.lunar.day > 30) {
        // Only a damaged table has a month this long; no placement table has such a day.
        throw CalendarError("暦データの『" + std::to_string(month->record.startYmd) +
                            "』から始まる月が、30日を超えています。");
    }
    // The year 4 was a 甲子 year.
    result.yearStem = Stem::Jia + (result.lunar.year - 4);
    result.yearBranch = Branch::Zi + (result.lunar.year - 4);

    // A leap-month birth counts as the following month in its second half; on day 15 only
    // in a 29-day leap month and from the 午 hour on.
    int adjustedMonth = std::abs(result.lunar.month);
    if (result.lunar.month < 0) {
        const long long length = daysFromCivil(dateFromYmd(month->nextStartYmd)) - monthStart;
        const bool countsAsNext =
            result.lunar.day > 15 ||
            (result.lunar.day == 15 && length == 29 && result.lunar.hour > Branch::Si);
        if (countsAsNext) {
            ++adjustedMonth;
            result.leapAdjust = 1;
        }
    }
    // From 寅 for the first month, 命宮 counts back by the hour and 身宮 forward. A leap
    // twelfth month may give 13 here; the palaces use it without wrapping.
    const Branch monthPalace = Branch::Yin + (adjustedMonth - 1);
    result.lifePalace = monthPalace - index(result.lunar.hour);
    result.bodyPalace = monthPalace + index(result.lunar.hour);
    result.lunarText = lunarDateText(result.lunar);
    return result;
}

Counting CountingDirection(Sex sex, Stem yearStem) {
    return isYang(yearStem) == (sex == Sex::Male) ? Counting::Forward : Counting::Backward;
}

int CountedAge(const LunarDate& birth, const LunarDate& target) {
    return target.year - birth.year + 1;
}

}  // namespace sorvik::engine
