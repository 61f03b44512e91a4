// `sorvik-cli summary` of a name file of 100 000 persons, run as the program: its time and the
// peak of its memory (the counter peak_MB), with the rows on standard output and with --out.

#include <algorithm>
#include <vector>

#include <benchmark/benchmark.h>

#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>

#include <QByteArray>
#include <QTemporaryDir>

#include "many_persons.h"
#include "platform/atomic_file.h"
#include "platform/sjis.h"
#include "records/name_file.h"

extern char** environ;

namespace {

using namespace sorvik;

struct Folder {
    // Written in parts: the bench itself stays small, since a child's peak starts from it.
    Folder() {
        platform::AtomicWriter out(names());
        constexpr int kPart = 1000;
        for (int first = 0; first < bench::kPersons; first += kPart) {
            for (const records::NameList::Row& row : bench::manyPersons(kPart, first)) {
                out.write(platform::encodeSjis(records::formatNameLine(row)) + "\r\n");
            }
        }
        out.commit();
    }
    QString names() const { return dir.filePath("many.nam"); }
    QTemporaryDir dir;
};

const Folder& folder() {
    static const Folder f;
    return f;
}

// Runs the program with standard output into a file; the peak resident size in MB.
double runCli(const std::vector<QByteArray>& args, const QString& output) {
    std::vector<char*> argv;
    QByteArray program(SORVIK_CLI);
    argv.push_back(program.data());
    std::vector<QByteArray> owned = args;
    for (QByteArray& arg : owned) {
        argv.push_back(arg.data());
    }
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    const QByteArray out = output.toLocal8Bit();
    posix_spawn_file_actions_addopen(&actions, 1, out.constData(), O_WRONLY | O_CREAT | O_TRUNC,
                                     0600);
    // The user's key store stays out of reach.
    const QByteArray config = "XDG_CONFIG_HOME=" + folder().dir.path().toLocal8Bit();
    std::vector<char*> env = {const_cast<char*>(config.constData())};
    for (char** e = environ; *e != nullptr; ++e) {
        env.push_back(*e);
    }
    env.push_back(nullptr);
    pid_t pid = 0;
    if (posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), env.data()) != 0) {
        return -1;
    }
    posix_spawn_file_actions_destroy(&actions);
    int status = 0;
    rusage usage{};
    ::wait4(pid, &status, 0, &usage);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        return -1;
    }
    return static_cast<double>(usage.ru_maxrss) / 1024.0;
}

void BM_SummaryOfManyPersons(benchmark::State& state) {
    const bool toFile = state.range(0) != 0;
    const QString names = folder().names();
    std::vector<QByteArray> args = {"summary", names.toLocal8Bit()};
    if (toFile) {
        args.push_back("--out");
        args.push_back(folder().dir.filePath("out.nam").toLocal8Bit());
    }
    double peak = 0;
    for (auto _ : state) {
        peak = std::max(peak, runCli(args, folder().dir.filePath("rows.json")));
        if (peak < 0) {
            state.SkipWithError("sorvik-cli failed");
            return;
        }
    }
    state.counters["peak_MB"] = peak;
    state.SetItemsProcessed(state.iterations() * bench::kPersons);
}
BENCHMARK(BM_SummaryOfManyPersons)
    ->Arg(0)
    ->Arg(1)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(3);

}  // namespace
