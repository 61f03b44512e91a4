#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "engine/catalogue.h"
#include "engine/chart_record.h"
#include "strength/chart_grid.h"
#include "strength/info_items.h"
#include "strength/strength_tables.h"

// What each palace block of the chart shows: its star entries and its info rows.
namespace sorvik::strength {

// The settings the cells read, as a read-only view (the settings stores provide it).
class CellSettings {
  public:
    virtual ~CellSettings() = default;
    // The star's "命盤に表示".
    virtual bool starShownOnChart(int starNumber) const = 0;
    // "命盤の星数値 0 を非表示にする".
    virtual bool hideZeroPower() const = 0;
    // Info-row table: the item at row 0..4, position 0..5.
    virtual InfoItem infoItem(int row, int position) const = 0;
    // Cells of the power and brightness tables as text.
    virtual std::string powerCell(int starNumber, engine::Branch branch) const = 0;
    virtual std::string brightnessCell(int starNumber, engine::Branch branch) const = 0;
    virtual std::string brightnessSymbol(int code) const = 0;
    // PalaceNameTable entry 0..11.
    virtual std::string palaceName(int index) const = 0;
    // The longest start of a text that fits in the number of Shift-JIS bytes.
    virtual std::string sjisPrefix(const std::string& text, int bytes) const = 0;
};

// What a fill reads of one chart besides its record.
struct CellChart {
    const engine::ChartRecord& record;
    engine::Stem targetYearStem;
    const std::array<std::string, 12>& monthlyLuckDates;
};

engine::Stem PalaceStem(engine::Stem yearStem, engine::Branch palace);
// Age at which the palace's decade starts.
int DecadeAge(int bureau, engine::Branch life, engine::Branch palace, bool backward);
// The palace's yearly-period age for the 数え age.
int MinorAge(engine::Branch yearBranch, engine::Branch palace, bool male, int age);

// Symbol, name and power of a star in a palace.
std::string StarEntryText(int starNumber, engine::Branch palace,
                          const engine::StarDisplayNames& names, const CellSettings& settings);

// The shown stars of a palace, in slot order (yearly stars included).
std::vector<int> DisplayList(const engine::ChartRecord& record, engine::Branch palace,
                             const CellSettings& settings);

// The text of one info item of a palace. Strengths are those of all twelve palaces.
std::string InfoItemText(InfoItem item, engine::Branch palace, const CellChart& chart,
                         const std::array<double, 12>& strengths, const CellSettings& settings);

// The used info rows of a palace, top to bottom (rows whose six items are all 表示無し are
// left out).
std::vector<std::string> InfoRowTexts(engine::Branch palace, const CellChart& chart,
                                      const std::array<double, 12>& strengths,
                                      const CellSettings& settings);

// Clears the grid and writes every palace's star cells, CellStars and the "H" marks.
void FillStarCells(ChartGrid& grid, const engine::ChartRecord& record,
                   const engine::StarDisplayNames& names, const CellSettings& settings);

// Rewrites the info rows of all palaces for the record's selected palace. Rows that the
// window has no room for are dropped from the top, so no text leaves its palace's info rows.
void FillInfoRows(ChartGrid& grid, const CellChart& chart, const CellSettings& settings,
                  const StrengthTables& tables);

// Both, as a new chart or target date needs them. The record's star rows are taken from the
// natal stars first, since the 四化 items read them.
void FillPalaceCells(ChartGrid& grid, engine::ChartRecord& record, const engine::StarRows& natal,
                     engine::Stem targetYearStem, const std::array<std::string, 12>& luckDates,
                     const engine::StarDisplayNames& names, const CellSettings& settings,
                     const StrengthTables& tables);

}  // namespace sorvik::strength
