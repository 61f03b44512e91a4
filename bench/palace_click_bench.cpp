// A palace click on an open chart window of a real start-up, to the chart's repaint and to the
// filled and painted palace detail; and the reading of the palace's text files that each
// filling does. Offscreen unless QT_QPA_PLATFORM names another platform (xcb under a window
// manager, for the figures a user sees).
#include <functional>
#include <memory>

#include <QApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QTest>

#include <benchmark/benchmark.h>

#include "platform/prompts.h"
#include "program_folder_copy.h"
#include "texts/palace_description.h"
#include "ui/chart/chart_grid_view.h"
#include "ui/chart/chart_window.h"
#include "ui/common/app_fonts.h"
#include "ui/detail/palace_detail_window.h"
#include "ui/shell/app_context.h"
#include "ui/shell/main_window.h"
#include "ui/shell/startup.h"

namespace {

using namespace sorvik;
using engine::Branch;

// Notes that a widget painted.
class PaintWatch : public QObject {
  public:
    explicit PaintWatch(QWidget& widget) { widget.installEventFilter(this); }
    bool painted = false;

  protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            painted = true;
        }
        return false;
    }
};

// The program with one chart open, 山田太郎 1984/02/02 12:00 男, and its palace detail.
struct OpenChart {
    OpenChart() {
        bench::copyProgramFolder(QStringLiteral(SORVIK_BIN_DIR), dir);
        const QString appDir = dir.path() + u'/';
        run = ui::startSorvik(appDir, dir.filePath("registry.ini"), false);
        run->mainWindow->resize(1280, 900);
        run->mainWindow->show();
        exposed = QTest::qWaitForWindowExposed(run->mainWindow.get());
        run->context->windowRequests().requestChart(
            {"山田太郎", engine::Sex::Male, "1984/02/02", "12:00"});
        chart =
            qobject_cast<ui::TMeibF*>(run->mainWindow->mdiArea()->subWindowList().last()->widget());
        detail = run->mainWindow->findChild<ui::TKyuSF*>();
        exposed = exposed && QTest::qWaitForWindowExposed(chart);
    }

    // A click into the palace's second star column, as a user makes it on the chart while the
    // palace detail of the last click is in front: the main window becomes the active one and
    // the press follows, as they come from the window system together.
    double clickMilliseconds(Branch palace, QWidget& watched) {
        if (detail->isVisible() && !QTest::qWaitForWindowActive(detail)) {
            return -1;
        }
        PaintWatch watch(watched);
        const strength::PalaceRect& r = chart->grid().rects()[engine::index(palace)];
        const QPoint at = chart->gridView()->cellRect(r.right - 1, r.top).center();
        QElapsedTimer timer;
        timer.start();
        QApplication::setActiveWindow(run->mainWindow.get());
        QTest::mouseClick(chart->gridView(), Qt::LeftButton, {}, at);
        while (!watch.painted && timer.elapsed() < 5000) {
            QApplication::processEvents();
        }
        return static_cast<double>(timer.nsecsElapsed()) * 1e-6;
    }

    QTemporaryDir dir;
    std::unique_ptr<ui::SorvikRun> run;
    bool exposed = false;
    ui::TMeibF* chart = nullptr;
    ui::TKyuSF* detail = nullptr;
};

OpenChart& openChart() {
    static OpenChart program;
    return program;
}

// Round the twelve palaces, as a practitioner clicks through them.
void clickRound(benchmark::State& state, const std::function<QWidget&(OpenChart&)>& watched) {
    OpenChart& program = openChart();
    if (!program.exposed) {
        state.SkipWithError("the chart window was never shown");
        return;
    }
    Branch palace = Branch::Zi;
    for (auto _ : state) {
        palace = palace + 5;
        const double ms = program.clickMilliseconds(palace, watched(program));
        if (ms < 0) {
            state.SkipWithError("the palace detail never became active");
            return;
        }
        state.SetIterationTime(ms * 1e-3);
    }
}

void BM_PalaceClickToChartPainted(benchmark::State& state) {
    clickRound(state, [](OpenChart& p) -> QWidget& { return *p.chart->gridView(); });
}
BENCHMARK(BM_PalaceClickToChartPainted)->UseManualTime()->Unit(benchmark::kMillisecond);

void BM_PalaceClickToDetailPainted(benchmark::State& state) {
    clickRound(state,
               [](OpenChart& p) -> QWidget& { return *p.detail->descriptionMemo()->viewport(); });
}
BENCHMARK(BM_PalaceClickToDetailPainted)->UseManualTime()->Unit(benchmark::kMillisecond);

// The palace file and the combination file of the 命宮, as every filling reads them.
void BM_PalaceTextFilesRead(benchmark::State& state) {
    const QString appDir = openChart().dir.path() + u'/';
    for (auto _ : state) {
        benchmark::DoNotOptimize(
            texts::readPalaceTextFiles(appDir, 0, texts::DescriptionMode::Natal));
    }
}
BENCHMARK(BM_PalaceTextFilesRead)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName(ui::TMainF::applicationTitle());
    platform::Prompts::startScripting();
    ui::installFontSubstitutes();
    QApplication::setFont(ui::defaultUiFont());
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    openChart().run.reset();
    return 0;
}
