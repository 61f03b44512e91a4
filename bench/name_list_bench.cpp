// A name file of 100 000 persons: loading, summarising (命盤ﾃﾞｰﾀ生成) and sorting.

#include <benchmark/benchmark.h>

#include <QFile>
#include <QTemporaryDir>

#include "many_persons.h"
#include "records/calendar_file.h"
#include "records/chart_summary.h"
#include "records/name_file.h"
#include "records/name_table.h"
#include "settings/listed_stars.h"
#include "shipped_settings.h"

namespace {

using namespace sorvik;
using records::NameList;

struct Fixture {
    bench::ShippedSettings shipped;
    engine::CalendarTable calendar = records::LoadCalendar(QStringLiteral(SORVIK_DATA_DIR));
    std::array<bool, engine::kStarCount + 1> listed =
        settings::readListedStars(QStringLiteral(SORVIK_DATA_DIR "/Default.ini"));
    records::SummaryContext context{calendar, shipped.names, shipped.ziWei,
                                    shipped.ziWei.bodyStarRule(), listed};
    std::vector<NameList::Row> rows = bench::manyPersons();
};

Fixture& fixture() {
    static Fixture f;
    return f;
}

void BM_LoadNameFile(benchmark::State& state) {
    QTemporaryDir dir;
    const QString path = dir.filePath("many.nam");
    NameList list;
    list.reset(fixture().rows);
    records::writeNameFile(path, list);
    for (auto _ : state) {
        list.reset(records::readNameFile(path));
        benchmark::DoNotOptimize(list.rowCount());
    }
}
BENCHMARK(BM_LoadNameFile)->Unit(benchmark::kMillisecond);

void BM_SummariseList(benchmark::State& state) {
    NameList list;
    for (auto _ : state) {
        state.PauseTiming();
        list.reset(fixture().rows);
        state.ResumeTiming();
        const records::SummaryRun run = records::summariseList(list, fixture().context);
        benchmark::DoNotOptimize(run.summarised);
    }
}
BENCHMARK(BM_SummariseList)->Unit(benchmark::kMillisecond);

void BM_ComputeSummary(benchmark::State& state) {
    const engine::DateTime moment{{1988, 6, 15}, 14, 30};
    for (auto _ : state) {
        benchmark::DoNotOptimize(
            records::ComputeSummary(fixture().context, engine::Sex::Female, moment));
    }
}
BENCHMARK(BM_ComputeSummary);

void BM_SortByColumn(benchmark::State& state) {
    NameList list;
    const int column = static_cast<int>(state.range(0));
    for (auto _ : state) {
        state.PauseTiming();
        list.reset(fixture().rows);
        state.ResumeTiming();
        records::SortByColumn(list, column, false);
    }
}
BENCHMARK(BM_SortByColumn)
    ->Arg(NameList::kName)
    ->Arg(NameList::kDate)
    ->Unit(benchmark::kMillisecond);

}  // namespace
