#include "lunar_months.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <stdexcept>

#include "astronomy.h"

namespace sorvik::lunartable {

namespace {

constexpr double kSynodicMonth = 29.530588861;
constexpr double kMeanNewMoonJ2000 = 2451550.09766;  // JDE of the mean new moon of 2000/01/06
constexpr int kWinterSolstice = 9;                   // 270°

double julianDayAtMidnightUt(std::int32_t ymd) {
    return static_cast<double>(dayNumberFromYmd(ymd)) - 0.5;
}

void appendLittleEndian(std::string& out, std::int32_t value) {
    auto bits = static_cast<std::uint32_t>(value);
    for (int i = 0; i < 4; ++i)
        out.push_back(static_cast<char>((bits >> (8 * i)) & 0xFF));
}

}  // namespace

std::int32_t ymdFromDayNumber(std::int64_t day) {
    std::int64_t a = day + 32044;
    std::int64_t b = (4 * a + 3) / 146097;
    std::int64_t c = a - 146097 * b / 4;
    std::int64_t d = (4 * c + 3) / 1461;
    std::int64_t e = c - 1461 * d / 4;
    std::int64_t m = (5 * e + 2) / 153;
    std::int64_t dd = e - (153 * m + 2) / 5 + 1;
    std::int64_t mm = m + 3 - 12 * (m / 10);
    std::int64_t yy = 100 * b + d - 4800 + m / 10;
    return static_cast<std::int32_t>(yy * 10000 + mm * 100 + dd);
}

std::int64_t dayNumberFromYmd(std::int32_t ymd) {
    std::int64_t year = ymd / 10000;
    std::int64_t month = ymd / 100 % 100;
    std::int64_t day = ymd % 100;
    std::int64_t a = (14 - month) / 12;
    std::int64_t y = year + 4800 - a;
    std::int64_t m = month + 12 * a - 3;
    return day + (153 * m + 2) / 5 + 365 * y + y / 4 - y / 100 + y / 400 - 32045;
}

LunarEvents computeEvents(int firstYear, int lastYear) {
    // From before the winter solstice ahead of the first day to past the one after the last.
    double start = julianDayAtMidnightUt((firstYear - 1) * 10000 + 1101);
    double end = julianDayAtMidnightUt((lastYear + 2) * 10000 + 201);
    LunarEvents events;

    double startJde = jdeFromJd(start);
    double guess = kMeanNewMoonJ2000 +
                   std::floor((startJde - kMeanNewMoonJ2000) / kSynodicMonth) * kSynodicMonth;
    double previous = -std::numeric_limits<double>::infinity();
    for (;;) {
        double jde = newMoonNear(guess);
        double jd = jdFromJde(jde);
        if (jd > end)
            break;
        if (jde > previous + 20.0)
            events.newMoons.push_back(jd);
        previous = jde;
        guess = jde + kSynodicMonth;
    }

    double t = startJde;
    double longitude = apparentSolarLongitude(t);
    int k = static_cast<int>(std::floor(longitude / 30.0)) + 1;
    for (;;) {
        int index = k % 12;
        double target = 30.0 * index;
        double ahead = std::fmod(target - longitude + 720.0, 360.0);
        double jde = solarLongitudeNear(target, t + ahead / 0.9856);
        double jd = jdFromJde(jde);
        if (jd > end)
            break;
        events.terms.push_back({jd, index});
        t = jde;
        longitude = target;
        ++k;
    }
    return events;
}

LocalEvents localize(const LunarEvents& events, double utcOffsetHours) {
    auto place = [utcOffsetHours](double jd, int termIndex, std::size_t index) {
        double local = jd + 0.5 + utcOffsetHours / 24.0;
        double day = std::floor(local);
        return LocalEvent{static_cast<std::int64_t>(day), (local - day) * 1440.0, termIndex, index};
    };
    LocalEvents local;
    for (std::size_t i = 0; i < events.newMoons.size(); ++i)
        local.newMoons.push_back(place(events.newMoons[i], -1, i));
    for (std::size_t i = 0; i < events.terms.size(); ++i)
        local.terms.push_back(place(events.terms[i].jd, events.terms[i].index, i));
    return local;
}

std::vector<LunarRecord> numberMonths(const LocalEvents& events, int firstYear, int lastYear) {
    // Month i runs from the day of new moon i up to the day before new moon i + 1.
    std::vector<std::int64_t> starts;
    for (const auto& e : events.newMoons)
        starts.push_back(e.day);
    if (starts.size() < 2 || !std::is_sorted(starts.begin(), starts.end()))
        throw std::runtime_error("new moons missing or out of order");
    std::size_t monthCount = starts.size() - 1;

    std::vector<bool> hasTerm(monthCount, false);
    std::vector<std::size_t> solsticeMonths;
    for (const auto& term : events.terms) {
        auto after = std::upper_bound(starts.begin(), starts.end(), term.day);
        if (after == starts.begin() || after == starts.end())
            continue;
        std::size_t month = static_cast<std::size_t>(after - starts.begin()) - 1;
        hasTerm[month] = true;
        if (term.termIndex == kWinterSolstice)
            solsticeMonths.push_back(month);
    }
    if (solsticeMonths.size() < 2)
        throw std::runtime_error("winter solstices missing");

    // Between two months 11: twelve months, or thirteen of which the first without a
    // principal term is the leap month.
    std::vector<int> numbers(monthCount, 0);
    for (std::size_t s = 0; s + 1 < solsticeMonths.size(); ++s) {
        std::size_t from = solsticeMonths[s];
        std::size_t to = solsticeMonths[s + 1];
        std::size_t leap = 0;
        if (to - from == 13) {
            for (std::size_t j = from + 1; j < to && leap == 0; ++j)
                if (!hasTerm[j])
                    leap = j;
            if (leap == 0)
                throw std::runtime_error("thirteen months without a leap month");
        } else if (to - from != 12) {
            throw std::runtime_error("a year of neither twelve nor thirteen months");
        }
        int current = 11;
        numbers[from] = 11;
        for (std::size_t j = from + 1; j < to; ++j) {
            if (j == leap) {
                numbers[j] = -current;
            } else {
                current = current % 12 + 1;
                numbers[j] = current;
            }
        }
    }
    std::size_t firstNumbered = solsticeMonths.front();
    std::size_t lastNumbered = solsticeMonths.back() - 1;

    // Month 1 opens the lunar year named after the Gregorian year in which it starts.
    std::vector<int> years(monthCount, 0);
    int year = 0;
    for (std::size_t j = firstNumbered; j <= lastNumbered; ++j) {
        if (numbers[j] == 1) {
            year = ymdFromDayNumber(starts[j]) / 10000;
            if (j > firstNumbered && years[firstNumbered] == 0)
                for (std::size_t i = firstNumbered; i < j; ++i)
                    years[i] = year - 1;
        }
        years[j] = year;
    }

    std::int64_t firstDay = dayNumberFromYmd(firstYear * 10000 + 101);
    std::int64_t lastDay = dayNumberFromYmd(lastYear * 10000 + 1231);
    auto firstAfter = [&](std::int64_t day) {
        return static_cast<std::size_t>(std::upper_bound(starts.begin(), starts.end(), day) -
                                        starts.begin());
    };
    std::size_t from = firstAfter(firstDay) - 1;
    std::size_t to = firstAfter(lastDay);
    if (firstAfter(firstDay) == 0 || from < firstNumbered || to > lastNumbered || years[from] == 0)
        throw std::runtime_error("events do not cover the requested years");

    std::vector<LunarRecord> records;
    for (std::size_t j = from; j <= to; ++j)
        records.push_back({ymdFromDayNumber(starts[j]), years[j], numbers[j]});
    return records;
}

std::vector<LunarRecord> generateTable(double utcOffsetHours, int firstYear, int lastYear) {
    return numberMonths(localize(computeEvents(firstYear, lastYear), utcOffsetHours), firstYear,
                        lastYear);
}

std::string toRecordBytes(const std::vector<LunarRecord>& records) {
    std::string out;
    out.reserve(records.size() * 12);
    for (const auto& r : records) {
        appendLittleEndian(out, r.startYmd);
        appendLittleEndian(out, r.lunarYear);
        appendLittleEndian(out, r.lunarMonth);
    }
    return out;
}

double minutesFromMidnight(const LocalEvent& event) {
    return event.minuteOfDay < 720.0 ? event.minuteOfDay : event.minuteOfDay - 1440.0;
}

LocalEvents withEventMoved(const LocalEvents& events, const LocalEvent& event) {
    LocalEvents moved = events;
    auto& list = event.termIndex < 0 ? moved.newMoons : moved.terms;
    LocalEvent& target = list.at(event.eventIndex);
    target.day += minutesFromMidnight(target) >= 0 ? -1 : 1;
    return moved;
}

std::vector<UncertainEvent> findUncertainEvents(const LocalEvents& events, int firstYear,
                                                int lastYear, double minutes) {
    std::vector<LunarRecord> baseline = numberMonths(events, firstYear, lastYear);
    auto missingFrom = [](const std::vector<LunarRecord>& a, const std::vector<LunarRecord>& b) {
        std::vector<LunarRecord> out;
        for (const auto& r : a)
            if (std::find(b.begin(), b.end(), r) == b.end())
                out.push_back(r);
        return out;
    };
    std::vector<UncertainEvent> found;
    auto consider = [&](const LocalEvent& event) {
        double offset = minutesFromMidnight(event);
        if (std::abs(offset) >= minutes)
            return;
        std::vector<LunarRecord> alternative =
            numberMonths(withEventMoved(events, event), firstYear, lastYear);
        UncertainEvent u{event, offset, missingFrom(baseline, alternative),
                         missingFrom(alternative, baseline)};
        if (!u.months.empty() || !u.alternative.empty())
            found.push_back(std::move(u));
    };
    for (const auto& e : events.newMoons)
        consider(e);
    for (const auto& e : events.terms)
        consider(e);
    std::sort(found.begin(), found.end(), [](const UncertainEvent& a, const UncertainEvent& b) {
        return a.event.day < b.event.day;
    });
    return found;
}

}  // namespace sorvik::lunartable
