#include "chart_request.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cstdlib>
#include <string_view>

#include "engine/errors.h"

namespace sorvik::engine {

namespace {

using enum Star::Number;

// Digit i (0: tens, 1: units) of a number 0..99.
char twoDigits(int number, int i) {
    return static_cast<char>('0' + (i == 0 ? number / 10 : number % 10));
}

// 命主 by 命宮, 身主 by year branch (two tables, by rule), 納音命主 by bureau.
constexpr int kLifeMaster[12] = {TanLang, JuMen, LuCun,    WenQu, LianZhen, WuQu,
                                 PoJun,   WuQu,  LianZhen, WenQu, LuCun,    JuMen};
constexpr int kBodyMaster[2][12] = {
    {HuoXing, TianXiang, TianLiang, TianTong, WenChang, TianJi, HuoXing, TianXiang, TianLiang,
     TianTong, WenChang, TianJi},
    {TianFu, TianLiang, TianJi, TianTong, TianXiang, QiSha, WenChang, TianLiang, TianJi, TianTong,
     TianXiang, QiSha},
};
constexpr int kNayinMaster[5] = {PoJun, TanLang, WuQu, JuMen, LianZhen};  // 水二局 … 火六局

std::string branchText(Branch b) {
    return std::string(branchName(b));
}

std::string yearText(Stem s, Branch b) {
    return std::string(stemName(s)) + branchText(b);
}

}  // namespace

int LifeMasterStar(Branch lifePalace) {
    return kLifeMaster[index(lifePalace)];
}

int BodyMasterStar(int rule, Branch yearBranch) {
    return kBodyMaster[rule == 1 ? 1 : 0][index(yearBranch)];
}

int NayinMasterStar(int bureau) {
    return kNayinMaster[bureau - 2];
}

Branch Dokun(int lunarMonth, int leapAdjust, Branch hour) {
    // From 子 for the first month, counted back by the month and forward by the hour.
    return Branch::Zi - (adjustedLunarMonth(lunarMonth, leapAdjust) - 1) + index(hour);
}

DateTime BirthMomentOf(const BirthMoment& person) {
    const std::optional<DateTime> moment = parseDateTime(person.dateText, person.timeText);
    if (!moment) {
        throw ConversionError("生年月日『" + person.dateText + " " + person.timeText +
                              "』が不正です。");
    }
    return *moment;
}

void SetTargetYearLabels(ChartLabels& labels, const StarRow& header, Stem yearStem,
                         Branch yearBranch) {
    const Branch dokun = Dokun(header[kHeaderLunarMonth], header[kHeaderLeapAdjust],
                               branchAt(header[kHeaderHourBranch]));
    labels.Kazoe = "数え" + std::to_string(header[kHeaderAge]) + "歳　斗君:" + branchText(dokun);
    labels.ZKS = yearText(yearStem, yearBranch) + "年 ";
}

std::string formatTargetDate(const DateTime& moment) {
    // Without temporaries: every chart makes this text twice.
    std::string text;
    text.reserve(24);
    const auto put = [&text](int number, std::string_view after) {
        std::array<char, 12> digits;  // of any int
        char* end = std::to_chars(digits.data(), digits.data() + digits.size(), number).ptr;
        text.append(digits.data(), end).append(after);
    };
    put(moment.date.year, "/");
    put(moment.date.month, "/");
    put(moment.date.day, " ");
    put(moment.hour, ":");
    put(moment.minute, "  ");
    return text;
}

Chart RequestChartBirth(const CalendarTable& calendar, const StarDisplayNames& names,
                        const BirthMoment& person, const DateTime& targetDate,
                        const ChartSettings& settings) {
    const DateTime birthMoment = BirthMomentOf(person);
    const ConvertedMoment birth = ConvertBirthMoment(calendar, birthMoment);
    const Counting direction = CountingDirection(person.sex, birth.yearStem);
    // The placement, some seven kilobytes, is made in its place.
    Chart chart{{}, {}, birth, {}, {}, PlaceStars(birth, direction, settings.placementTables),
                {}, {}, {}};
    ChartLabels& labels = chart.labels;
    ChartRecord& record = chart.record;
    labels.Name = "氏名：" + person.name;
    labels.Date = person.dateText + " " + person.timeText + "生";
    labels.ZNen = formatTargetDate(targetDate);
    record.birthMoment = birthMoment;
    labels.InDate = birth.lunarText + branchText(birth.lunar.hour) + "時";

    StarRow& header = record.header();
    header[kHeaderYearStem] = index(birth.yearStem);
    header[kHeaderYearBranch] = index(birth.yearBranch);
    header[kHeaderLunarMonth] = birth.lunar.month;
    header[kHeaderLunarDay] = birth.lunar.day;
    header[kHeaderLifePalace] = index(birth.lifePalace);
    header[kHeaderBodyPalace] = index(birth.bodyPalace);
    header[kHeaderHourBranch] = index(birth.lunar.hour);
    header[kHeaderLeapAdjust] = birth.leapAdjust;
    record.sex = person.sex;
    record.selectedPalace = birth.lifePalace;

    labels.Inyo = std::string(isYang(birth.yearStem) ? "陽" : "陰").append(sexText(person.sex));
    labels.Mei = "命宮：" + branchText(birth.lifePalace) + "  命主：" +
                 names[LifeMasterStar(birth.lifePalace)];
    header[kHeaderDirection] = static_cast<int>(direction);

    record.palaceStarLists = chart.placement.palaceStarLists;
    const int bureau = chart.placement.bureau;
    header[kHeaderBureau] = bureau;
    labels.Sin = "身宮：" + branchText(birth.bodyPalace) + "  身主：" +
                 names[BodyMasterStar(settings.bodyStarRule, birth.yearBranch)];
    labels.Kyoku =
        std::string(bureauName(bureau)) + " 年:" + yearText(birth.yearStem, birth.yearBranch);
    labels.Nat = "　    納音命主：" + names[NayinMasterStar(bureau)];
    chart.patternFlags =
        FindPatterns(chart.placement.stars, birth.lifePalace, birth.bodyPalace, person.sex);
    for (int i = 0; i < kPatternCount; ++i) {
        if (chart.patternFlags[i] != 0) {
            chart.patterns.emplace_back(patternName(i));
        }
    }
    return chart;
}

void ApplyTargetDate(Chart& chart, const CalendarTable& calendar, const DateTime& targetDate) {
    chart.labels.ZNen = formatTargetDate(targetDate);
    chart.target = ConvertBirthMoment(calendar, targetDate);
    const ConvertedMoment& target = chart.target;
    StarRow& header = chart.record.header();
    header[kHeaderAge] = CountedAge(chart.birth.lunar, target.lunar);
    SetTargetYearLabels(chart.labels, header, target.yearStem, target.yearBranch);
    chart.monthlyLuckDates =
        FillMonthlyLuckDates(calendar, chart.record, true, target.yearBranch, target.lunar.year);
    chart.yearlyStarLists = PlaceYearlyStars(target.yearStem, target.yearBranch);
    WriteYearlyStars(chart.yearlyStarLists, chart.record.palaceStarLists);
    chart.record.narrowPalaceStarLists();
}

Chart RequestChart(const CalendarTable& calendar, const StarDisplayNames& names,
                   const BirthMoment& person, const DateTime& targetDate,
                   const ChartSettings& settings) {
    Chart chart = RequestChartBirth(calendar, names, person, targetDate, settings);
    ApplyTargetDate(chart, calendar, targetDate);
    return chart;
}

MonthlyLuckDates FillMonthlyLuckDates(const CalendarTable& calendar, const ChartRecord& record,
                                      bool calendarAvailable, Branch targetYearBranch,
                                      int targetLunarYear) {
    MonthlyLuckDates dates;
    if (!calendarAvailable) {
        return dates;
    }
    const StarRow& header = record.header();
    const Branch start =
        Dokun(header[kHeaderLunarMonth], header[kHeaderLeapAdjust], record.hourBranch());
    const std::vector<CalendarRecord>& records = calendar.records();
    // The table's months follow each other (it is checked so when read and when edited), so
    // their lunar years rise.
    const auto first =
        std::lower_bound(records.begin(), records.end(), targetLunarYear,
                         [](const CalendarRecord& r, int year) { return r.lunarYear < year; });
    if (first == records.end() || first->lunarYear != targetLunarYear) {
        return dates;
    }
    // At most 13 records (a year with its leap month), never the last one, which only closes
    // the month before it.
    const auto end = records.begin() + static_cast<std::ptrdiff_t>(std::min(
                                           static_cast<std::size_t>(first - records.begin()) + 13,
                                           records.size() - 1));
    int k = 0;
    for (auto it = first; it < end && k < 12; ++it) {
        if (it->lunarMonth < 0) {
            continue;
        }
        const Date startDate = dateFromYmd(it->startYmd);
        const std::array<char, 8> text = {
            twoDigits(startDate.year % 100, 0), twoDigits(startDate.year % 100, 1), '/',
            twoDigits(startDate.month, 0),      twoDigits(startDate.month, 1),      '/',
            twoDigits(startDate.day, 0),        twoDigits(startDate.day, 1)};
        dates[static_cast<std::size_t>(index(start + index(targetYearBranch) + k))].assign(
            text.begin(), text.end());
        ++k;
    }
    return dates;
}

}  // namespace sorvik::engine
