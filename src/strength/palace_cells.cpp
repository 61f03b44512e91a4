#include "palace_cells.h"

#include <charconv>

#include "engine/errors.h"
#include "engine/number_text.h"
#include "strength/one_decimal.h"
#include "strength/palace_strength.h"

namespace sorvik::strength {

namespace {

constexpr std::size_t kEntryPowerWidth = 3;

std::size_t at(int index) {
    return static_cast<std::size_t>(index);
}

int readBrightnessCode(const std::string& cell) {
    int code = 0;
    const char* end = cell.data() + cell.size();
    const auto [ptr, ec] = std::from_chars(cell.data(), end, code);
    if (ec != std::errc() || ptr != end) {
        throw engine::ConversionError("「" + cell + "」は、数値ではありません。");
    }
    return code;
}

std::string formatAge(char mark, int age) {
    return mark + engine::padded(age, 3);
}

// "#禄#権": the kinds whose star, for the stem, stands in the palace.
std::string sihuaMarks(std::string_view mark, engine::Stem stem, engine::Branch palace,
                       const engine::ChartRecord& record) {
    std::string text;
    for (int kind = 0; kind < 4; ++kind) {
        const int star = engine::sihuaStar(stem, kind);
        if (record.rows[at(star)][engine::kStarBranch] == index(palace)) {
            text += mark;
            text += engine::sihuaKindLabel(kind);
        }
    }
    return text;
}

}  // namespace

engine::Stem PalaceStem(engine::Stem yearStem, engine::Branch palace) {
    // The year stem gives the stem of 寅; the stems run on from there round to 丑.
    const engine::Stem yinStem = engine::stemAt(2 * index(yearStem) + 2);
    return yinStem + (palace - engine::Branch::Yin);
}

int DecadeAge(int bureau, engine::Branch life, engine::Branch palace, bool backward) {
    return bureau + 10 * (backward ? life - palace : palace - life);
}

int MinorAge(engine::Branch yearBranch, engine::Branch palace, bool male, int age) {
    // The palace of age 1 by the year branch's triple; men count forward from it, women back.
    const engine::Branch first = engine::Branch::Xu - 3 * (index(yearBranch) % 4);
    const int step = male ? palace - (first - 1) : (first + 1) - palace;
    return step + 12 * (age / 12);
}

std::string StarEntryText(int starNumber, engine::Branch palace,
                          const engine::StarDisplayNames& names, const CellSettings& settings) {
    std::string text;
    if (starNumber <= engine::kNatalStarCount) {
        const std::string cell = settings.brightnessCell(starNumber, palace);
        if (!cell.empty()) {
            const int code = readBrightnessCode(cell);
            if (code >= 0 && code <= 7) {
                text += settings.brightnessSymbol(code);
            }
        }
    }
    text += names[starNumber];
    const std::string power = settings.powerCell(starNumber, palace);
    if (!(settings.hideZeroPower() && power == "0")) {
        if (power.size() < kEntryPowerWidth) {
            text.append(kEntryPowerWidth - power.size(), ' ');
        }
        text += power;
    }
    return text;
}

std::vector<int> DisplayList(const engine::ChartRecord& record, engine::Branch palace,
                             const CellSettings& settings) {
    std::vector<int> stars;
    const auto& slots = record.palaceStarBytes[index(palace)];
    for (int slot = 1; slot < engine::kPalaceSlots; ++slot) {
        const int star = slots[at(slot)];
        if (star != 0 && settings.starShownOnChart(star)) {
            stars.push_back(star);
        }
    }
    return stars;
}

std::string InfoItemText(InfoItem item, engine::Branch palace, const CellChart& chart,
                         const std::array<double, 12>& strengths, const CellSettings& settings) {
    const engine::ChartRecord& record = chart.record;
    const engine::StarRow& header = record.header();
    const engine::Stem yearStem = record.yearStem();
    const engine::Branch life = record.lifePalace();
    const engine::Branch selected = record.selectedPalace;
    switch (item) {
        case InfoItem::Stem:
            return std::string(engine::stemName(PalaceStem(yearStem, palace)));
        case InfoItem::Branch:
            return std::string(engine::branchName(palace));
        case InfoItem::PalaceName:
            return settings.palaceName(life - palace);
        case InfoItem::BodyPalace:
            return palace == record.bodyPalace() ? "[身宮]" : "      ";
        case InfoItem::Strength:
            return formatOneDecimal(strengths[index(palace)], kStrengthWidth);
        case InfoItem::Decade:
            return formatAge('D', DecadeAge(header[engine::kHeaderBureau], life, palace,
                                            header[engine::kHeaderDirection] != 0));
        case InfoItem::Minor:
            return formatAge('S',
                             MinorAge(record.yearBranch(), palace, record.sex == engine::Sex::Male,
                                      header[engine::kHeaderAge]));
        case InfoItem::MonthlyLuck:
            return chart.monthlyLuckDates[index(palace)];
        case InfoItem::Sihua1:
            return sihuaMarks("#", PalaceStem(yearStem, selected), palace, record);
        case InfoItem::Sihua2:
            return sihuaMarks("$", chart.targetYearStem, palace, record);
        case InfoItem::Sihua3:
            return sihuaMarks("%", PalaceStem(yearStem, palace), palace, record);
        case InfoItem::Moving:
            return "=" + settings.sjisPrefix(settings.palaceName(selected - palace), 2);
        case InfoItem::None:
            break;
    }
    return {};
}

std::vector<std::string> InfoRowTexts(engine::Branch palace, const CellChart& chart,
                                      const std::array<double, 12>& strengths,
                                      const CellSettings& settings) {
    std::vector<std::string> rows;
    for (int row = 0; row < kInfoRows; ++row) {
        std::string text;
        bool used = false;
        for (int position = 0; position < kInfoPositions; ++position) {
            const InfoItem item = settings.infoItem(row, position);
            used = used || item != InfoItem::None;
            text += InfoItemText(item, palace, chart, strengths, settings);
            text += ' ';
        }
        if (used) {
            rows.push_back(std::move(text));
        }
    }
    return rows;
}

void FillStarCells(ChartGrid& grid, const engine::ChartRecord& record,
                   const engine::StarDisplayNames& names, const CellSettings& settings) {
    grid.clear();
    const GridShape& shape = grid.shape();
    const int capacity = shape.columns * shape.starRows;
    for (const engine::Branch palace : engine::kBranches) {
        const PalaceRect& rect = grid.rects()[index(palace)];
        const std::vector<int> stars = DisplayList(record, palace, settings);
        for (int n = 0; n < static_cast<int>(stars.size()) && n < capacity; ++n) {
            const int row = rect.top + n / shape.columns;
            const int column = rect.right - n % shape.columns;
            grid.setText(column, row, StarEntryText(stars[at(n)], palace, names, settings));
            grid.setCellStar(column, row, stars[at(n)]);
            grid.setText(grid.markColumn(), row, "H");
        }
    }
}

void FillInfoRows(ChartGrid& grid, const CellChart& chart, const CellSettings& settings,
                  const StrengthTables& tables) {
    const std::array<double, 12> strengths = palaceStrengths(
        chart.record.palaceStarLists, chart.record.lifePalace(), chart.record.bodyPalace(), tables);
    const GridShape& shape = grid.shape();
    for (const engine::Branch palace : engine::kBranches) {
        const PalaceRect& rect = grid.rects()[index(palace)];
        for (int row = rect.top + shape.starRows; row <= rect.bottom; ++row) {
            for (int column = rect.left; column <= rect.right; ++column) {
                grid.setText(column, row, {});
            }
        }
        const std::vector<std::string> rows = InfoRowTexts(palace, chart, strengths, settings);
        const int shown = std::min(static_cast<int>(rows.size()), shape.infoRows);
        for (int k = 0; k < shown; ++k) {
            grid.setText(rect.left, rect.bottom - k, rows[rows.size() - 1 - at(k)]);
        }
    }
}

void FillPalaceCells(ChartGrid& grid, engine::ChartRecord& record, const engine::StarRows& natal,
                     engine::Stem targetYearStem, const std::array<std::string, 12>& luckDates,
                     const engine::StarDisplayNames& names, const CellSettings& settings,
                     const StrengthTables& tables) {
    FillStarCells(grid, record, names, settings);
    for (int star = 1; star <= engine::kStarCount; ++star) {
        record.rows[at(star)] = natal[at(star)];
    }
    FillInfoRows(grid, {record, targetYearStem, luckDates}, settings, tables);
}

}  // namespace sorvik::strength
