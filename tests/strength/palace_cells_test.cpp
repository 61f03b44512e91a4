#include "strength/palace_cells.h"

#include <map>
#include <set>

#include <gtest/gtest.h>

#include "engine/errors.h"
#include "fixture_tables.h"

namespace sorvik::strength {
namespace {

using engine::Branch;
using engine::Stem;

// Powers and brightness by cell, all stars shown unless hidden, default palace names.
class FixtureCellSettings : public CellSettings {
  public:
    bool starShownOnChart(int starNumber) const override { return !hidden.contains(starNumber); }
    bool hideZeroPower() const override { return hideZero; }
    InfoItem infoItem(int row, int position) const override {
        return items[static_cast<std::size_t>(row)][static_cast<std::size_t>(position)];
    }
    std::string powerCell(int starNumber, Branch branch) const override {
        const auto it = powers.find({starNumber, engine::index(branch)});
        return it == powers.end() ? "1" : it->second;
    }
    std::string brightnessCell(int starNumber, Branch branch) const override {
        const auto it = brightness.find({starNumber, engine::index(branch)});
        return it == brightness.end() ? "" : it->second;
    }
    std::string brightnessSymbol(int code) const override {
        static const char* symbols[] = {"　", "☆", "◎", "○", "□", "△", "●", "★"};
        return symbols[code];
    }
    std::string palaceName(int index) const override {
        return std::string(engine::defaultPalaceName(index));
    }
    // Palace names here are full-width: two bytes are one character, three in UTF-8.
    std::string sjisPrefix(const std::string& text, int bytes) const override {
        return text.substr(0, static_cast<std::size_t>(bytes / 2 * 3));
    }

    std::set<int> hidden;
    bool hideZero = true;
    std::array<std::array<InfoItem, 6>, 5> items{};
    // By star number and branch index.
    std::map<std::pair<int, int>, std::string> powers;
    std::map<std::pair<int, int>, std::string> brightness;
};

// A 甲 year man with the 命宮 at 寅 and the 身宮 at 午, 水二局, counting forward, age 41.
engine::ChartRecord sampleRecord() {
    engine::ChartRecord record;
    auto& h = record.header();
    h[engine::kHeaderYearStem] = 0;
    h[engine::kHeaderYearBranch] = 0;
    h[engine::kHeaderDirection] = 0;
    h[engine::kHeaderBureau] = 2;
    h[engine::kHeaderLifePalace] = 2;
    h[engine::kHeaderBodyPalace] = 6;
    h[engine::kHeaderAge] = 41;
    record.selectedPalace = Branch::Yin;
    return record;
}

class PalaceCellsTest : public ::testing::Test {
  protected:
    std::array<std::string, 12> luck{};
    FixtureCellSettings settings;
    engine::StarDisplayNames names{"＊"};
    testing::FixtureTables tables;
};

TEST(PalaceArithmetic, StemsDecadesAndMinorPeriods) {
    // 甲 year: 寅 palace 丙, 子 and 丑 continue the run past 亥 (丙 丁).
    EXPECT_EQ(PalaceStem(Stem{0}, Branch{2}), Stem{2});
    EXPECT_EQ(PalaceStem(Stem{0}, Branch{11}), Stem{1});
    EXPECT_EQ(PalaceStem(Stem{0}, Branch{0}), Stem{2});
    EXPECT_EQ(PalaceStem(Stem{0}, Branch{1}), Stem{3});
    EXPECT_EQ(PalaceStem(Stem{4}, Branch{2}), Stem{0});  // 戊 year: 寅 is 甲 again

    // Forward: 命宮 at 2 years, the next branch 12; backward the preceding branch gets 12.
    EXPECT_EQ(DecadeAge(2, Branch{2}, Branch{2}, false), 2);
    EXPECT_EQ(DecadeAge(2, Branch{2}, Branch{3}, false), 12);
    EXPECT_EQ(DecadeAge(2, Branch{2}, Branch{1}, false), 112);
    EXPECT_EQ(DecadeAge(2, Branch{2}, Branch{2}, true), 2);
    EXPECT_EQ(DecadeAge(2, Branch{2}, Branch{1}, true), 12);
    EXPECT_EQ(DecadeAge(6, Branch{0}, Branch{11}, true), 16);

    // 子 year: a man has 1 at 戌 and 2 at 亥, a woman 2 at 酉; age 41 adds 36.
    EXPECT_EQ(MinorAge(Branch{0}, Branch{10}, true, 1), 1);
    EXPECT_EQ(MinorAge(Branch{0}, Branch{11}, true, 1), 2);
    EXPECT_EQ(MinorAge(Branch{0}, Branch{9}, false, 1), 2);
    EXPECT_EQ(MinorAge(Branch{0}, Branch{10}, true, 41), 37);
    EXPECT_EQ(MinorAge(Branch{1}, Branch{7}, true, 5), 1);  // 丑 year starts at 未
}

TEST_F(PalaceCellsTest, EntryTextIsSymbolNamePowerPaddedToThree) {
    settings.brightness[{1, 0}] = "1";
    settings.brightness[{2, 0}] = "0";
    settings.powers[{1, 0}] = "5";
    settings.powers[{2, 0}] = "-4";
    settings.powers[{3, 0}] = "0";
    settings.powers[{87, 0}] = "10";
    settings.brightness[{87, 0}] = "3";  // yearly stars carry no symbol
    EXPECT_EQ(StarEntryText(1, Branch{0}, names, settings), "☆紫微  5");
    EXPECT_EQ(StarEntryText(2, Branch{0}, names, settings), "　天機 -4");
    EXPECT_EQ(StarEntryText(3, Branch{0}, names, settings), names[3]);
    settings.hideZero = false;
    EXPECT_EQ(StarEntryText(3, Branch{0}, names, settings), names[3] + "  0");
    EXPECT_EQ(StarEntryText(87, Branch{0}, names, settings), names[87] + " 10");

    settings.brightness[{4, 0}] = "x";
    EXPECT_THROW(StarEntryText(4, Branch{0}, names, settings), engine::ConversionError);
}

TEST_F(PalaceCellsTest, StarsFillRowsFromTheRightAndStopAtTheArea) {
    engine::ChartRecord record = sampleRecord();
    auto& slots = record.palaceStarBytes[5];  // 巳, the top-left block
    for (int slot = 1; slot <= 18; ++slot) {
        slots[static_cast<std::size_t>(slot)] = static_cast<std::uint8_t>(slot + 29);
    }
    slots[19] = 0;
    slots[20] = 90;  // a yearly star after the gap
    settings.hidden = {30};

    ChartGrid grid({8, 2, 2});
    FillStarCells(grid, record, names, settings);
    // Display list 31..47, 90; the 9th (39) opens the second row at its right edge.
    EXPECT_EQ(grid.cellStar(7, 0), 31);
    EXPECT_EQ(grid.cellStar(0, 0), 38);
    EXPECT_EQ(grid.cellStar(7, 1), 39);
    EXPECT_EQ(grid.cellStar(0, 1), 46);
    EXPECT_EQ(grid.text(7, 1), StarEntryText(39, Branch{5}, names, settings));
    EXPECT_EQ(grid.text(grid.markColumn(), 0), "H");
    EXPECT_EQ(grid.text(grid.markColumn(), 1), "H");
    EXPECT_EQ(grid.text(grid.markColumn(), 2), "");
    int shown = 0;
    for (int row = 0; row < grid.rowCount(); ++row) {
        for (int column = 0; column < grid.columnCount() - 1; ++column) {
            shown += grid.cellStar(column, row) != 0;
        }
    }
    EXPECT_EQ(shown, 16);

    // One star row of six: the seventh star is left out.
    ChartGrid single({6, 1, 2});
    FillStarCells(single, record, names, settings);
    EXPECT_EQ(single.cellStar(5, 0), 31);
    EXPECT_EQ(single.cellStar(0, 0), 36);
    EXPECT_EQ(single.text(0, 1), "");
}

TEST_F(PalaceCellsTest, InfoRowsGoBottomUpAndSkipUnusedRows) {
    engine::ChartRecord record = sampleRecord();
    settings.items[0] = {InfoItem::Stem, InfoItem::Branch, InfoItem::PalaceName,
                         InfoItem::BodyPalace};
    settings.items[2] = {InfoItem::Decade, InfoItem::Minor, InfoItem::MonthlyLuck};
    luck[2] = "84/02/02";
    const CellChart chart{record, Stem::Jia, luck};

    ChartGrid grid({7, 2, 2});
    FillInfoRows(grid, chart, settings, tables);
    const PalaceRect lifeRect = grid.rects()[2];  // 寅: block (0, 3)
    // Every item is followed by one blank; the 身宮 item is six blanks elsewhere.
    EXPECT_EQ(grid.text(lifeRect.left, lifeRect.bottom - 1), "丙 寅 命　宮 " + std::string(9, ' '));
    EXPECT_EQ(grid.text(lifeRect.left, lifeRect.bottom), "D  2 S 41 84/02/02    ");
    const PalaceRect bodyRect = grid.rects()[6];
    EXPECT_EQ(grid.text(bodyRect.left, bodyRect.bottom - 1), "庚 午 官禄宮 [身宮]   ");

    // A window with one info row keeps the last used row.
    ChartGrid narrow({7, 2, 1});
    FillInfoRows(narrow, chart, settings, tables);
    EXPECT_EQ(narrow.text(0, narrow.rects()[2].bottom), "D  2 S 41 84/02/02    ");
    EXPECT_EQ(narrow.text(0, narrow.rects()[2].bottom - 1), "");

    settings.items = {};
    FillInfoRows(grid, chart, settings, tables);
    for (int row = 0; row < grid.rowCount(); ++row) {
        EXPECT_EQ(grid.text(0, row), "");
    }
}

TEST_F(PalaceCellsTest, SelectingAPalaceChangesOnlyTheSihuaOneAndMovingItems) {
    engine::ChartRecord record = sampleRecord();
    for (int star = 1; star <= engine::kNatalStarCount; ++star) {
        record.rows[static_cast<std::size_t>(star)][engine::kStarBranch] = 11;
    }
    // 甲 stems: 廉貞 禄, 破軍 権, 武曲 科, 太陽 忌 (stars 6, 14, 4, 3).
    record.rows[6][engine::kStarBranch] = 2;
    record.rows[14][engine::kStarBranch] = 2;
    record.rows[4][engine::kStarBranch] = 5;
    record.rows[3][engine::kStarBranch] = 8;
    luck[2] = "84/02/02";
    const std::array<double, 12> strengths{};

    std::map<InfoItem, std::array<std::string, 12>> before;
    for (int code = 0; code < kInfoItemCount; ++code) {
        const auto item = static_cast<InfoItem>(code);
        for (const Branch p : engine::kBranches) {
            before[item][static_cast<std::size_t>(index(p))] =
                InfoItemText(item, p, {record, Stem::Jia, luck}, strengths, settings);
        }
    }
    // 寅's stem is 丙, whose 忌 is 廉貞.
    EXPECT_EQ(before[InfoItem::Sihua1][2], "#忌");
    EXPECT_EQ(before[InfoItem::Sihua2][2], "$禄$権");
    EXPECT_EQ(before[InfoItem::Sihua2][8], "$忌");
    EXPECT_EQ(before[InfoItem::Sihua3][2], "%忌");
    EXPECT_EQ(before[InfoItem::Moving][2], "=命");
    EXPECT_EQ(before[InfoItem::Moving][3], "=父");

    record.selectedPalace = Branch::Wu;  // 午, stem 庚: 太陽 禄, 武曲 権, 太陰 科, 天同 忌
    for (int code = 0; code < kInfoItemCount; ++code) {
        const auto item = static_cast<InfoItem>(code);
        for (const Branch p : engine::kBranches) {
            const std::string after =
                InfoItemText(item, p, {record, Stem::Jia, luck}, strengths, settings);
            if (item != InfoItem::Sihua1 && item != InfoItem::Moving) {
                EXPECT_EQ(after, before[item][static_cast<std::size_t>(index(p))])
                    << code << " " << engine::branchName(p);
            }
        }
    }
    EXPECT_EQ(
        InfoItemText(InfoItem::Sihua1, Branch{2}, {record, Stem::Jia, luck}, strengths, settings),
        "");
    EXPECT_EQ(
        InfoItemText(InfoItem::Sihua1, Branch{8}, {record, Stem::Jia, luck}, strengths, settings),
        "#禄");
    EXPECT_EQ(
        InfoItemText(InfoItem::Sihua1, Branch{5}, {record, Stem::Jia, luck}, strengths, settings),
        "#権");
    EXPECT_EQ(
        InfoItemText(InfoItem::Moving, Branch{6}, {record, Stem::Jia, luck}, strengths, settings),
        "=命");
    std::array<double, 12> scores{};
    scores[2] = 4.25;  // shown with the one-decimal rule, the half away from zero
    EXPECT_EQ(
        InfoItemText(InfoItem::Strength, Branch{2}, {record, Stem::Jia, luck}, scores, settings),
        "  4.3");
}

TEST(ChartGridLayout, PalaceRectsFollowTheBlockTable) {
    const PalaceRects rects = palaceRects({7, 2, 3});
    EXPECT_EQ(rects[5].left, 0);  // 巳 top left
    EXPECT_EQ(rects[5].top, 0);
    EXPECT_EQ(rects[0].left, 14);  // 子 bottom row, third block
    EXPECT_EQ(rects[0].top, 15);
    EXPECT_EQ(rects[0].right, 20);
    EXPECT_EQ(rects[0].bottom, 19);
    EXPECT_EQ(PalaceAtCell(rects, 27, 19), Branch{11});
    EXPECT_EQ(PalaceAtCell(rects, 10, 7), Branch{0});  // a centre block belongs to no palace
    EXPECT_EQ(PalaceAtCell(rects, 7, 0), Branch{6});
    EXPECT_EQ(infoItemNamed("動宮"), InfoItem::Moving);
    EXPECT_EQ(infoItemNamed("other"), InfoItem::None);
}

}  // namespace
}  // namespace sorvik::strength
