// Conversion of birth moments on a calendar of about 3,700 months (1850–2150). With
// SORVIK_CALENDAR_DIR set, the table is read from that folder's INREKI.DAT instead.

#include <cstdlib>
#include <vector>

#include <benchmark/benchmark.h>

#include "calendar_fixture.h"
#include "engine/conversion.h"
#include "records/calendar_file.h"

namespace {

using namespace sorvik::engine;

CalendarTable benchCalendar() {
    if (const char* dir = std::getenv("SORVIK_CALENDAR_DIR")) {
        return sorvik::records::LoadCalendar(QString::fromLocal8Bit(dir));
    }
    // Alternating 30- and 29-day months with a leap month every third year: the shape and
    // size of the real table, which is what the look-up cost depends on.
    std::vector<testing::FixtureMonth> months;
    for (int year = 1850; year <= 2150; ++year) {
        for (int month = 1; month <= 12; ++month) {
            months.push_back({year, month, month % 2 ? 30 : 29});
            if (year % 3 == 0 && month == 6) {
                months.push_back({year, -6, 29});
            }
        }
    }
    return testing::makeCalendar({1850, 2, 12}, months, {2151, 1, 0});
}

void BM_ConvertBirthMoment(benchmark::State& state) {
    const CalendarTable calendar = benchCalendar();
    // Moments spread over the whole table, so the search does not stay in one cache line.
    std::vector<DateTime> moments;
    const long long first = daysFromCivil(dateFromYmd(calendar.first()));
    const long long span = daysFromCivil(dateFromYmd(calendar.last())) - first - 1;
    for (int i = 0; i < 1024; ++i) {
        moments.push_back({civilFromDays(first + (span * i) / 1024), i % 24, i % 60});
    }
    std::size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(ConvertBirthMoment(calendar, moments[i++ & 1023]));
    }
    state.counters["months"] = static_cast<double>(calendar.records().size());
}
BENCHMARK(BM_ConvertBirthMoment);

}  // namespace
