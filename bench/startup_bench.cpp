// Start-up of the desktop program: the data-file checks and the main window up to the moment
// it is shown, offscreen, on a copy of the program's folder (so nothing of the user's is read).
#include <time.h>
#include <unistd.h>

#include <cstdio>
#include <fstream>
#include <memory>
#include <string>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <benchmark/benchmark.h>

#include "platform/prompts.h"
#include "ui/shell/app_context.h"
#include "ui/common/app_fonts.h"
#include "ui/shell/main_window.h"
#include "ui/shell/startup.h"

namespace {

QTemporaryDir& folder() {
    static QTemporaryDir dir;
    return dir;
}

QString appDir() {
    return folder().path() + u'/';
}

void copyFolder(const QString& from, const QString& to) {
    QDir().mkpath(to);
    const QDir source(from);
    for (const QString& name : source.entryList(QDir::Files)) {
        QFile::copy(source.filePath(name), QDir(to).filePath(name));
    }
    for (const QString& name : source.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        copyFolder(source.filePath(name), QDir(to).filePath(name));
    }
}

void prepareFolder() {
    copyFolder(QStringLiteral(SORVIK_BIN_DIR), folder().path());
    const QString calendar = QDir(folder().path()).filePath("INREKI.DAT");
    if (!QFile::exists(calendar)) {
        // Without the shipped table, two months are enough to start.
        QFile file(calendar);
        file.open(QIODevice::WriteOnly);
        for (const qint32 value : {19000131, 1900, 1, 19000301, 1900, 2}) {
            file.write(reinterpret_cast<const char*>(&value), 4);
        }
    }
}

void BM_DataFileChecks(benchmark::State& state) {
    for (auto _ : state) {
        benchmark::DoNotOptimize(sorvik::ui::checkDataFiles(appDir()));
    }
}
BENCHMARK(BM_DataFileChecks)->Unit(benchmark::kMillisecond);

// The run's state: the key store opened, the calendar and the star names loaded, the settings
// stores made.
void BM_AppContextMade(benchmark::State& state) {
    const QString keys = QDir(folder().path()).filePath("registry.ini");
    for (auto _ : state) {
        benchmark::DoNotOptimize(std::make_unique<sorvik::ui::AppContext>(appDir(), keys));
    }
}
BENCHMARK(BM_AppContextMade)->Unit(benchmark::kMillisecond);

// The main window over a context made beforehand.
void BM_MainWindowShown(benchmark::State& state) {
    const QString keys = QDir(folder().path()).filePath("registry.ini");
    for (auto _ : state) {
        state.PauseTiming();
        auto context = std::make_unique<sorvik::ui::AppContext>(appDir(), keys);
        state.ResumeTiming();
        auto window = std::make_unique<sorvik::ui::TMainF>(*context);
        window->show();
        benchmark::DoNotOptimize(QTest::qWaitForWindowExposed(window.get()));
        state.PauseTiming();
        window.reset();
        context.reset();
        QFile::remove(QDir(folder().path()).filePath("TQLX4.ini"));
        state.ResumeTiming();
    }
}
BENCHMARK(BM_MainWindowShown)->Unit(benchmark::kMillisecond);

// Seconds since this process started, from the kernel's record of its start.
double secondsSinceProcessStart() {
    std::ifstream stat("/proc/self/stat");
    std::string field;
    for (int i = 0; i < 22 && stat >> field; ++i) {
    }
    const double started = std::stod(field) / static_cast<double>(sysconf(_SC_CLK_TCK));
    timespec now{};
    clock_gettime(CLOCK_BOOTTIME, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9 - started;
}

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setApplicationName(sorvik::ui::TMainF::applicationTitle());
    sorvik::platform::Prompts::startScripting();
    const double beforeCopy = secondsSinceProcessStart();
    prepareFolder();
    const double copying = secondsSinceProcessStart() - beforeCopy;

    // The first start as the user sees it: checks, main window, shown.
    sorvik::ui::installFontSubstitutes();
    QApplication::setFont(sorvik::ui::defaultUiFont());
    {
        const QString missing = sorvik::ui::checkDataFiles(appDir());
        sorvik::ui::AppContext context(appDir(), QDir(folder().path()).filePath("first.ini"));
        auto window = std::make_unique<sorvik::ui::TMainF>(context);
        window->show();
        if (!QTest::qWaitForWindowExposed(window.get())) {
            std::fprintf(stderr, "the main window was never shown\n");
            return 1;
        }
        // The copy of the folder is the bench's own work, not the program's.
        std::printf("process start to main window shown: %.3f s (clock tick %ld Hz)%s\n",
                    secondsSinceProcessStart() - copying, sysconf(_SC_CLK_TCK),
                    missing.isEmpty() ? "" : " [a data file is missing]");
    }

    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
