// The name list window over 100 000 persons, offscreen: loading into the view, 命盤ﾃﾞｰﾀ生成,
// sorting and scrolling, each with the paint that follows.

#include <benchmark/benchmark.h>

#include <memory>

#include <QApplication>
#include <QFile>
#include <QScrollBar>
#include <QTemporaryDir>

#include "many_persons.h"
#include "platform/key_store.h"
#include "platform/prompts.h"
#include "records/calendar_file.h"
#include "records/name_file.h"
#include "settings/system_settings.h"
#include "settings/zi_wei_settings.h"
#include "ui/common/app_fonts.h"
#include "ui/entry/entry_bar.h"
#include "ui/names/name_grid.h"
#include "ui/names/name_list_window.h"

namespace {

using namespace sorvik;
using records::NameList;

struct Window {
    Window() {
        QFile::copy(SORVIK_DATA_DIR "/Default.ini", dir.filePath("Default.ini"));
        system.LoadSettings();
        ziwei.startUp();
        window.resize(900, 600);
        window.show();
    }
    void paint() {
        QApplication::processEvents();
        window.grid()->viewport()->repaint();
    }

    QTemporaryDir dir;
    platform::KeyStore keys{dir.filePath("registry.ini")};
    engine::StarDisplayNames names{"殺"};
    engine::CalendarTable calendar = records::LoadCalendar(QStringLiteral(SORVIK_DATA_DIR));
    settings::SystemSettings system{dir.path() + u'/', keys, names};
    settings::ZiWeiSettings ziwei{SORVIK_DATA_DIR, keys, names};
    NameList list;
    records::NameFileSession session{list, dir.path() + u'/'};
    // The list makes no chart here.
    struct NoWindows : ui::WindowRequests {
        explicit NoWindows(const engine::CalendarTable& calendar) : table(calendar) {}
        bool showOpen(ui::PersonWindow, const QString&) override { return false; }
        bool make(ui::PersonWindow, const engine::BirthMoment&) override { return false; }
        const engine::CalendarTable& calendar() const override { return table; }
        const engine::CalendarTable& table;
    } requests{calendar};
    ui::EntBar bar{{calendar, system, list, requests}};
    ui::TNListF window{{dir.path() + u'/', session, bar, requests, calendar, names, system, ziwei}};
    std::vector<NameList::Row> rows = bench::manyPersons();
};

// Made by the first benchmark that needs it, and gone before the application: widgets must not
// outlive it.
std::unique_ptr<Window> shown;

Window& window() {
    if (!shown) {
        shown = std::make_unique<Window>();
    }
    return *shown;
}

void BM_LoadIntoView(benchmark::State& state) {
    Window& w = window();
    for (auto _ : state) {
        w.list.reset(w.rows);
        w.paint();
    }
}
BENCHMARK(BM_LoadIntoView)->Unit(benchmark::kMillisecond);

void BM_SummariseInView(benchmark::State& state) {
    Window& w = window();
    for (auto _ : state) {
        state.PauseTiming();
        w.list.reset(w.rows);
        w.paint();
        state.ResumeTiming();
        w.window.MeiMakeBtnClick();
        w.paint();
    }
}
BENCHMARK(BM_SummariseInView)->Unit(benchmark::kMillisecond);

void BM_SortInView(benchmark::State& state) {
    Window& w = window();
    w.list.reset(w.rows);
    bool descending = false;
    for (auto _ : state) {
        w.window.SortByColumn(NameList::kDate, descending = !descending);
        w.paint();
    }
}
BENCHMARK(BM_SortInView)->Unit(benchmark::kMillisecond);

void BM_ScrollPage(benchmark::State& state) {
    Window& w = window();
    w.list.reset(w.rows);
    QScrollBar* bar = w.window.grid()->verticalScrollBar();
    int step = 0;
    for (auto _ : state) {
        bar->setValue((step += 997) % bar->maximum());
        w.paint();
    }
}
BENCHMARK(BM_ScrollPage)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    sorvik::platform::Prompts::startScripting();
    QApplication::setFont(sorvik::ui::defaultUiFont());
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    shown.reset();
    return 0;
}
