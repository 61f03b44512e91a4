// Start-up of the desktop program, from the process start (and its parts: the data-file checks,
// the run's state, the main window) to the main window shown, offscreen unless QT_QPA_PLATFORM
// names another platform, on a copy of the program's folder (so nothing of the user's is read).
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
#include "platform/qt_translations.h"
#include "platform/single_instance.h"
#include "program_folder_copy.h"
#include "ui/common/app_fonts.h"
#include "ui/shell/app_context.h"
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

// The whole start-up on a fresh account (no key store, no layout file): the data-file checks,
// the splash, the run's state, the main window and the windows that live for the whole run, to
// the main window shown.
void BM_StartUpToMainWindowShown(benchmark::State& state) {
    const QString keys = QDir(folder().path()).filePath("fresh.ini");
    for (auto _ : state) {
        std::unique_ptr<sorvik::ui::SorvikRun> run = sorvik::ui::startSorvik(appDir(), keys, true);
        run->mainWindow->show();
        benchmark::DoNotOptimize(QTest::qWaitForWindowExposed(run->mainWindow.get()));
        state.PauseTiming();
        run.reset();
        QFile::remove(keys);
        QFile::remove(QDir(folder().path()).filePath("TQLX4.ini"));
        state.ResumeTiming();
    }
}
BENCHMARK(BM_StartUpToMainWindowShown)->Unit(benchmark::kMillisecond);

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
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    sorvik::platform::Prompts::startScripting();
    const double beforeCopy = secondsSinceProcessStart();
    sorvik::bench::copyProgramFolder(QStringLiteral(SORVIK_BIN_DIR), folder());
    const double copying = secondsSinceProcessStart() - beforeCopy;

    // The first start as the user sees it, the steps of the program's own start in their order.
    {
        sorvik::platform::SingleInstance instance(
            QStringLiteral("sorvik-startup-bench-%1").arg(QCoreApplication::applicationPid()));
        instance.claim();
        QApplication::setApplicationName(sorvik::ui::TMainF::applicationTitle());
        sorvik::platform::installQtTranslations(app);
        sorvik::ui::installFontSubstitutes();
        QApplication::setFont(sorvik::ui::defaultUiFont());
        std::unique_ptr<sorvik::ui::SorvikRun> run =
            sorvik::ui::startSorvik(appDir(), QDir(folder().path()).filePath("first.ini"), true);
        if (!run) {
            std::fprintf(stderr, "the start-up failed\n");
            return 1;
        }
        run->mainWindow->show();
        if (!QTest::qWaitForWindowExposed(run->mainWindow.get())) {
            std::fprintf(stderr, "the main window was never shown\n");
            return 1;
        }
        // The copy of the folder is the bench's own work, not the program's.
        std::printf("process start to main window shown: %.3f s (clock tick %ld Hz)\n",
                    secondsSinceProcessStart() - copying, sysconf(_SC_CLK_TCK));
        QFile::remove(QDir(folder().path()).filePath("TQLX4.ini"));
    }

    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
