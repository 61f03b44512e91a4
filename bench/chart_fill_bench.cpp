// A chart request from the entry to a filled chart grid, without painting.

#include <benchmark/benchmark.h>

#include "calendar_fixture.h"
#include "engine/chart_request.h"
#include "platform/sjis.h"
#include "settings/zi_wei_settings.h"
#include "shipped_settings.h"
#include "strength/palace_cells.h"

namespace {

using namespace sorvik;

// The display settings as they ship: every star shown, zero powers hidden, three info rows.
class ShippedCells : public strength::CellSettings {
  public:
    explicit ShippedCells(const settings::ZiWeiSettings& ziwei) : ziwei_(ziwei) {}
    bool starShownOnChart(int) const override { return true; }
    bool hideZeroPower() const override { return true; }
    strength::InfoItem infoItem(int row, int position) const override {
        static const int items[5][6] = {
            {1, 2, 3, 4, 0, 0}, {5, 6, 7, 0, 0, 0}, {8, 9, 10, 11, 12, 0}, {}, {}};
        return static_cast<strength::InfoItem>(items[row][position]);
    }
    std::string powerCell(int star, engine::Branch b) const override {
        return ziwei_.cell(settings::Grid::Powers, star, engine::index(b) + 1).toStdString();
    }
    std::string brightnessCell(int star, engine::Branch b) const override {
        return ziwei_.cell(settings::Grid::Brightness, star, engine::index(b) + 1).toStdString();
    }
    std::string brightnessSymbol(int code) const override {
        return ziwei_.brightnessSymbols()[static_cast<std::size_t>(code)].toStdString();
    }
    std::string palaceName(int index) const override {
        return ziwei_.palaceNameTable()[static_cast<std::size_t>(index)].toStdString();
    }
    std::string sjisPrefix(const std::string& text, int bytes) const override {
        return platform::sjisBytePrefix(QString::fromStdString(text), bytes).toStdString();
    }

  private:
    const settings::ZiWeiSettings& ziwei_;
};

void BM_ChartRequestToFilledGrid(benchmark::State& state) {
    const bench::ShippedSettings shipped;
    const settings::ZiWeiSettings& ziwei = shipped.ziWei;
    const engine::StarDisplayNames& names = shipped.names;
    const ShippedCells cells(ziwei);
    const engine::CalendarTable calendar = engine::testing::calendar1984();
    const engine::BirthMoment person{"山田太郎", engine::Sex::Male, "1984/02/02", "12:00"};
    const engine::DateTime target{{1985, 3, 1}, 12, 0};
    strength::ChartGrid grid({7, 2, 3});
    for (auto _ : state) {
        engine::Chart chart =
            engine::RequestChart(calendar, names, person, target, {ziwei, ziwei.bodyStarRule()});
        strength::FillPalaceCells(grid, chart.record, chart.placement.stars, chart.target.yearStem,
                                  chart.monthlyLuckDates, names, cells, ziwei);
        benchmark::DoNotOptimize(grid.text(0, 0));
    }
}
BENCHMARK(BM_ChartRequestToFilledGrid)->Unit(benchmark::kMicrosecond);

}  // namespace
