#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

#include <QString>
#include <QStringList>

#include "engine/catalogue.h"
#include "engine/placement_tables.h"
#include "platform/program_key.h"
#include "settings/luck_ratios.h"
#include "settings/store_changes.h"
#include "strength/strength_tables.h"

namespace sorvik::platform {
class KeyStore;
}

namespace sorvik::settings {

inline constexpr int kTableColumns = 13;    // star names, then 子 … 亥
inline constexpr int kPowerRows = 130;      // SG1: header and stars 1..129
inline constexpr int kBrightnessRows = 87;  // SG2: header and the natal stars 1..86
inline constexpr int kNumberRows = 38;      // SG0
inline constexpr int kBrightnessCodes = 8;
inline constexpr int kPalaceNames = 12;

inline constexpr auto kPowerFileName = "HOSISUU.DAT";
inline constexpr auto kBrightnessFileName = "HOSIBYOU.DAT";
inline const QString kRegistryKey = platform::programKey(QStringLiteral("USys"));

// The tables whose cells the user edits: SG1, SG2 and the value column of SG0.
enum class Grid { Powers, Brightness, Numbers };

// The first cell that OK refuses, with its message. For palace names, row is the index of the
// user name (0..11) and column is 0; for the grids, the cell's row and column (SG0 column 1).
struct ValidationFailure {
    enum class Where { PalaceNames, Powers, Brightness, Numbers };
    Where where;
    int row;
    int column;
    QString message;
};

struct StoredZiWeiValues;

// The astrology settings: the star power and brightness tables (two files beside the program)
// and the values of registry section USys. Cells hold text; the readers convert them, caching
// the converted numbers until the next edit or load.
class ZiWeiSettings : public engine::PlacementTables, public strength::StrengthTables {
  public:
    // The tables start empty and every other value at its default; nothing is read yet.
    ZiWeiSettings(QString dataFolder, platform::KeyStore& keys,
                  const engine::StarDisplayNames& names);

    // Creation of the store: load, ratio rule A once more, palace names.
    void startUp();
    // The two table files, then the registry values, then default palace names for invalid
    // ones. Every star's line must be there and every cell it has must be a number; a short
    // line leaves its last cells empty. Throws platform::FileError when a file cannot be read,
    // DamagedFileError naming the file, the star (and the branch) when it fails that check;
    // the tables are then those of the last load or save that succeeded, and the registry
    // values are read all the same.
    void load();
    // Drops every edit since the last OK.
    void cancel();
    // The checks of OK, in order; empty cells of the grids become "0" on the way.
    std::optional<ValidationFailure> validate();
    // OK: validate, then save and take over the palace names.
    std::optional<ValidationFailure> accept();
    // Writes both table files (atomically) and the registry values.
    void save();
    // Copies the user palace names, cut to 6 bytes, into the live palace-name table.
    void copyPalaceNames();
    // Told after an OK or a cancel, when what the charts draw from may differ.
    StoreChanges& changes() const { return *changes_; }

    int rowCount(Grid grid) const;
    int columnCount(Grid grid) const;
    // Row 0 and column 0 of SG1 and SG2 are the header and the star names; column 0 of SG0
    // is its label and header rows hold their header texts.
    QString cell(Grid grid, int row, int column) const;
    // Only data cells can be set: rows from 1, column from 1, SG0 value rows.
    void setCell(Grid grid, int row, int column, const QString& text);
    static bool isNumberHeaderRow(int row) { return row == 0 || row == 6 || row == 32; }

    const std::array<QString, kBrightnessCodes>& brightnessSymbols() const { return symbols_; }
    void setBrightnessSymbol(int code, const QString& symbol);

    LuckRatios luckRatios() const { return ratios_; }
    void setLuckRatios(LuckRatios ratios) { ratios_ = ratios; }

    int tianMaRule() const override { return tianMaRule_; }
    void setTianMaRule(int rule);
    int bodyStarRule() const { return bodyStarRule_; }  // RG2: row of the 身主 table
    void setBodyStarRule(int rule);

    const std::array<QString, kPalaceNames>& userPalaceNames() const { return userPalaceNames_; }
    void setUserPalaceName(int index, const QString& name);
    // PalaceNameTable: entry n names the palace n branches before the 命宮.
    const std::array<QString, kPalaceNames>& palaceNameTable() const { return palaceNameTable_; }
    QString palaceNameAt(engine::Branch branch, engine::Branch life) const;

    int power(int starNumber, engine::Branch branch) const override;
    int brightness(int starNumber, engine::Branch branch) const override;
    const strength::PalaceWeights& palaceWeights() const override;
    const strength::DoubleStarNumbers& doubleStarNumbers() const override;

    // Converts the cells now, so that threads sharing the store afterwards only read it.
    void convertCells() const { converted(); }

    QString powerFilePath() const;
    QString brightnessFilePath() const;

  private:
    // Numbers as the readers see them; a cell that does not convert holds a marker, so only a
    // reader that needs it fails.
    struct Converted {
        std::array<int, kPowerRows * 12> powers;
        std::array<int, kBrightnessRows * 12> brightness;
        strength::PalaceWeights weights;
        int badWeightRow = 0;  // first SG0 row 1..5 that does not convert, 0 for none
        strength::DoubleStarNumbers numbers;
        int badNumberRow = 0;  // first SG0 row 7..37 that does not convert
    };

    std::vector<QString>& table(Grid grid);
    const std::vector<QString>& table(Grid grid) const;
    void writeLabels();
    // The values of key USys: their defaults, those stored, and back into the store.
    void resetStored();
    void readRegistry();
    void takeOver(const StoredZiWeiValues& stored);
    void writeRegistry();
    void invalidate() { convertedValid_ = false; }
    void convert() const;
    const Converted& converted() const {
        if (!convertedValid_) {
            convert();
        }
        return converted_;
    }
    QStringList tableLines(Grid grid) const;
    [[noreturn]] void throwCellError(Grid grid, int row, int column, bool outOfRange) const;

    // Both files read and checked; throws as load() says, changing nothing.
    void readTables();
    void checkTableLines(Grid grid, const QString& path, const QStringList& lines) const;

    QString dataFolder_;
    platform::KeyStore& keys_;
    std::array<QString, engine::kStarCount + 1> starNames_;

    std::vector<QString> powers_;      // kPowerRows × kTableColumns
    std::vector<QString> brightness_;  // kBrightnessRows × kTableColumns
    std::vector<QString> numbers_;     // kNumberRows values
    // The tables as last loaded or saved, for a load that fails.
    std::vector<QString> goodPowers_;
    std::vector<QString> goodBrightness_;
    std::array<QString, kBrightnessCodes> symbols_;
    LuckRatios ratios_;
    int tianMaRule_ = 0;
    int bodyStarRule_ = 0;
    std::array<QString, kPalaceNames> userPalaceNames_;
    std::array<QString, kPalaceNames> palaceNameTable_;

    mutable Converted converted_{};
    mutable bool convertedValid_ = false;
    // Held apart so that a store can still be moved.
    std::unique_ptr<StoreChanges> changes_ = std::make_unique<StoreChanges>();
};

}  // namespace sorvik::settings
