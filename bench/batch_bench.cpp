// The batch's parts per chart: reading a line, the chart, and writing it as JSON with the fast
// writer and with the JSON library, over the shipped tables; a whole line; and whole batches.

#include <benchmark/benchmark.h>

#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QTemporaryFile>

#include <fcntl.h>
#include <unistd.h>

#include <memory>

#include "cli/batch.h"
#include "cli/chart_json.h"
#include "cli/chart_maker.h"
#include "cli/json_builder.h"
#include "cli/json_line_writer.h"
#include "records/calendar_file.h"

namespace {

using namespace sorvik;

struct Shipped {
    QTemporaryDir keys;
    engine::CalendarTable calendar = records::LoadCalendar(QStringLiteral(SORVIK_DATA_DIR));
    cli::ChartMaker maker{calendar, QStringLiteral(SORVIK_DATA_DIR), keys.filePath("reg.ini")};
    cli::Batch batch{calendar, maker, {{2026, 12, 10}, 15, 0}};
};

Shipped& shipped() {
    static Shipped s;
    return s;
}

// 256 births across the calendar, each with a target 0..99 years later, as batch lines.
std::vector<std::string> lines() {
    std::vector<std::string> out;
    for (int i = 0; i < 256; ++i) {
        const int year = 1901 + i * 7 % 128;
        out.push_back("{\"name\":\"名前" + std::to_string(i) + "\",\"sex\":\"" +
                      (i % 2 ? "女" : "男") + "\",\"date\":\"" +
                      engine::formatSlashed({year, 1 + i % 12, 1 + i % 28}) + "\",\"time\":\"" +
                      std::to_string(i % 24) + ":" + std::to_string(i % 60) + "\",\"target\":\"" +
                      engine::formatSlashed({std::min(2029, year + i % 100), 12, 31}) +
                      " 12:00\"}");
    }
    return out;
}

std::vector<cli::BatchItem> items() {
    std::vector<cli::BatchItem> out;
    for (const std::string& line : lines()) {
        out.push_back(shipped().batch.read(line));
    }
    return out;
}

std::vector<cli::ChartOutput> charts() {
    std::vector<cli::ChartOutput> out;
    for (const cli::BatchItem& item : items()) {
        const auto& request = std::get<cli::ChartRequest>(item);
        out.push_back(shipped().maker.make(request.person, request.target));
    }
    return out;
}

void BM_BatchReadLine(benchmark::State& state) {
    const std::vector<std::string> input = lines();
    std::size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(shipped().batch.read(input[i++ % input.size()]));
    }
}
BENCHMARK(BM_BatchReadLine);

void BM_BatchChart(benchmark::State& state) {
    const std::vector<cli::BatchItem> requests = items();
    std::size_t i = 0;
    for (auto _ : state) {
        const auto& request = std::get<cli::ChartRequest>(requests[i++ % requests.size()]);
        benchmark::DoNotOptimize(shipped().maker.make(request.person, request.target));
    }
}
BENCHMARK(BM_BatchChart);

void BM_BatchWriteLine(benchmark::State& state) {
    const std::vector<cli::ChartOutput> made = charts();
    std::size_t i = 0;
    std::string line;
    for (auto _ : state) {
        line.clear();
        {
            cli::JsonLineWriter w(line);
            cli::writeChart(w, made[i++ % made.size()]);
        }
        benchmark::DoNotOptimize(line.data());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * line.size()));
}
BENCHMARK(BM_BatchWriteLine);

void BM_LibraryWriteChart(benchmark::State& state) {
    const std::vector<cli::ChartOutput> made = charts();
    std::size_t i = 0;
    for (auto _ : state) {
        cli::JsonBuilder json;
        cli::writeChart(json, made[i++ % made.size()]);
        benchmark::DoNotOptimize(
            QJsonDocument(json.result().toObject()).toJson(QJsonDocument::Compact));
    }
}
BENCHMARK(BM_LibraryWriteChart);

// A whole line: read, chart, write, as one thread of the batch does it.
void BM_BatchAnswerLine(benchmark::State& state) {
    const std::vector<std::string> input = lines();
    std::size_t i = 0;
    std::string out;
    for (auto _ : state) {
        out.clear();
        const std::string& line = input[i % input.size()];
        {
            cli::JsonLineWriter writer(out);
            shipped().batch.answer(shipped().batch.read(line), static_cast<long long>(++i), writer);
        }
        benchmark::DoNotOptimize(out.data());
    }
}
BENCHMARK(BM_BatchAnswerLine);

// The input of a whole batch: 10 000 lines in a file.
constexpr int kRunLines = 10000;

std::unique_ptr<QTemporaryFile> runInput() {
    const std::vector<std::string> input = lines();
    auto file = std::make_unique<QTemporaryFile>();
    file->open();
    for (int i = 0; i < kRunLines; ++i) {
        file->write(input[static_cast<std::size_t>(i) % input.size()].c_str());
        file->write("\n");
    }
    file->flush();
    return file;
}

// Runs the batch over the input into `sink`, on as many threads as the benchmark's argument;
// a sink that is a file is emptied before each run.
void runBatch(benchmark::State& state, const QTemporaryFile& input, int sink, bool isFile) {
    for (auto _ : state) {
        const int source = ::open(input.fileName().toLocal8Bit().constData(), O_RDONLY);
        if (isFile && (::ftruncate(sink, 0) != 0 || ::lseek(sink, 0, SEEK_SET) != 0)) {
            state.SkipWithError("cannot empty the output file");
            ::close(source);
            break;
        }
        shipped().batch.run(source, sink, static_cast<int>(state.range(0)));
        ::close(source);
    }
    state.SetItemsProcessed(state.iterations() * kRunLines);
}

// The batch itself from a file to /dev/null, on one thread and on two.
void BM_BatchRun(benchmark::State& state) {
    const auto input = runInput();
    const int sink = ::open("/dev/null", O_WRONLY);
    runBatch(state, *input, sink, false);
    ::close(sink);
}
BENCHMARK(BM_BatchRun)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond)->UseRealTime();

// The same into a file, which the system copies each line into.
void BM_BatchRunToFile(benchmark::State& state) {
    const auto input = runInput();
    QTemporaryFile output;
    output.open();
    runBatch(state, *input, output.handle(), true);
}
BENCHMARK(BM_BatchRunToFile)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
