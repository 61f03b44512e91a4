#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <optional>

#include <QColor>
#include <QString>

#include "engine/catalogue.h"
#include "engine/date.h"
#include "settings/listed_stars.h"
#include "settings/store_changes.h"
#include "settings/target_date.h"
#include "strength/info_items.h"

namespace sorvik::platform {
class KeyStore;
}

namespace sorvik::settings {

// The display and output settings: section "Sys" of the settings file (a profile file beside
// the program, "Default.ini" or "DEFAULT.SET" or a *.set the user chose) plus four fonts in the
// key store. Readers take the values whenever they need them, so an edit shows at once.

inline constexpr int kStarDisplayRows = 130;  // header, then stars 1..129
inline constexpr int kStarDisplayColumns = 6;
// The info-row table: a title row and column around the rows and positions of the cells.
inline constexpr int kInfoTableRows = strength::kInfoRows + 1;
inline constexpr int kInfoTableColumns = strength::kInfoPositions + 1;
inline constexpr int kStarListColumns = 7;  // the palace detail's star list

inline constexpr auto kSysSection = "Sys";
inline constexpr auto kDefaultIniName = "Default.ini";
inline constexpr auto kDefaultSetName = "DEFAULT.SET";

// Columns of the star display table (keys SG1 + row).
enum StarDisplayColumn {
    kStarNameColumn = 0,
    kColourShownColumn = 1,  // the colour number as shown
    kColourColumn = 2,       // the colour itself: a Windows colour in decimal, empty for black
    kShowInChartColumn = 3,
    kShowInDetailColumn = 4,
    kShowInListColumn = 5,
};

// Where a star is shown or not: the chart grid, the palace detail's list, the name list's
// summary. The table holds the choice as 表示する or 表示しない.
enum class StarView {
    Chart = kShowInChartColumn,
    Detail = kShowInDetailColumn,
    List = kShowInListColumn,
};

// Items of the info-row table (keys KCSG + row) are held there by name.
using strength::InfoItem;
QString infoItemName(InfoItem item);
// A text that names no item counts as 表示無し.
InfoItem infoItemNamed(const QString& name);

// Palace backgrounds (keys CPnl0..CPnl3).
enum PalaceColour { kSelectedPalace = 0, kOppositePalace, kTrinePalace, kOtherPalace };

// The four fonts, by the name of their sample label, which is also their key-store subkey.
enum FontRole { kChartFont = 0, kDescriptionFont, kChartPrintFont, kSystemFont };
inline constexpr int kFontCount = 4;
QString fontKeyName(FontRole role);  // "MeiFont", "SetuFont", "MeiPFont", "SysFont"

enum FontStyleBit { kBold = 1, kItalic = 2, kUnderline = 4, kStrikeOut = 8 };

struct FontSetting {
    QString name;
    int size = 9;             // points
    int style = 0;            // FontStyleBit
    std::uint32_t color = 0;  // Windows colour value (0x00BBGGRR); 0 is window text, black
    bool operator==(const FontSetting&) const = default;
};

// Windows colour values (0x00BBGGRR) and Qt colours.
QColor colourFromWindows(std::uint32_t value);
std::uint32_t windowsFromColour(const QColor& colour);

// Why OK refused to save.
struct SaveRefusal {
    enum class Reason { TooFewInfoRows, BadTargetDate };
    Reason reason;
    QString message;
};

inline constexpr auto kTooFewInfoRowsMessage =
    u"命盤宮欄は、必ず２行以上になるように、指定して下さい。";
inline constexpr auto kBadTargetDateMessage = u"造命日付指定が不正です。";

class SystemSettings {
  public:
    // Every value starts at its default; nothing is read until LoadSettings. The names fill
    // column 0 of the star display table after every load.
    SystemSettings(QString appDir, platform::KeyStore& keys, const engine::StarDisplayNames& names);

    // The program's folder, where the file choosers open.
    const QString& appDir() const { return appDir_; }

    // The settings file name as the field "ｼｽﾃﾑ設定ﾌｧｲﾙ" holds it; a relative name is taken
    // in the program's folder.
    QString settingsFileName() const { return settingsFileName_; }
    void setSettingsFileName(const QString& name) { settingsFileName_ = name; }
    QString settingsFilePath() const;
    bool settingsFileExists() const;
    // The start-up name data file ("起動時に開く名前ﾃﾞｰﾀﾌｧｲﾙ"); the main window keeps it.
    QString startupNameFile() const { return startupNameFile_; }
    void setStartupNameFile(const QString& name) { startupNameFile_ = name; }

    // Reads section Sys of the settings file; a missing file or key gives the default. The
    // chart font's face name comes from the file, the rest of the fonts are left alone. A
    // file that exists but cannot be read or holds no section Sys gives the defaults too, and
    // loadWarning() then says so.
    void LoadSettings();
    // The values of the settings file that ships with the program (kept inside it, so that it
    // is there when the user's file is not); the settings file name stays.
    void loadShippedDefaults();
    // After LoadSettings: whether the defaults stand in for a damaged file.
    bool fellBackToDefaults() const { return fellBack_; }
    // What the user is to be told about the last load (a damaged file, unreadable bytes), or
    // an empty string.
    QString loadWarning() const { return loadWarning_; }
    // The checks of OK, in order; nothing is written.
    std::optional<SaveRefusal> validate() const;
    // Writes section Sys into the settings file, keeping whatever else the file holds.
    // Throws platform::FileError or platform::EncodingError; the file is then unchanged.
    void save() const;
    // OK: validate, then save.
    std::optional<SaveRefusal> accept() const;

    // The fonts in the key store: a missing value keeps the current one, a missing style is
    // regular. Written whenever the dialog closes.
    void loadFonts();
    void saveFonts() const;

    // Values by key.
    QString meiExeName() const { return meiExeName_; }  // MeiExeName
    void setMeiExeName(const QString& v) { meiExeName_ = v; }
    QString meiExeHtml() const { return meiExeHtml_; }  // MeiExeHTML
    void setMeiExeHtml(const QString& v) { meiExeHtml_ = v; }
    QString meiFolder() const { return meiFolder_; }  // MeiFolder
    // MeiFolder's default: the user's documents folder, which a fresh account may not have yet.
    static QString defaultOutputFolder();
    void setMeiFolder(const QString& v) { meiFolder_ = v; }

    // BCBM: vertical margin of the chart's star rows, in pixels.
    QString verticalMarginText() const { return verticalMargin_; }
    void setVerticalMarginText(const QString& v) { verticalMargin_ = v; }
    static constexpr int kMaxVerticalMargin = 99;
    int verticalMargin() const;  // 3 when the text is not a number from 0 to 99
    // BanYCount / BanXCount: list indexes; the chart has index + 1 rows and index + 6 columns.
    int banYCount() const { return banYCount_; }
    void setBanYCount(int index) { banYCount_ = index; }
    int banXCount() const { return banXCount_; }
    void setBanXCount(int index) { banXCount_ = index; }
    // Whether both indexes name an entry of their lists ("1".."4", "6".."15").
    bool hasChartLayout() const;
    // An index that names no entry (a hand-edited file) gives the default 2 rows or 7 columns,
    // so that a chart made before the settings are corrected still has a grid it can hold.
    int starRowsPerPalace() const {
        return banYCount_ >= 0 && banYCount_ <= 3 ? banYCount_ + 1 : 2;
    }
    int starColumnsPerPalace() const {
        return banXCount_ >= 0 && banXCount_ <= 9 ? banXCount_ + 6 : 7;
    }

    // SCB1..SCB5 by number 1..5.
    bool SCB(int number) const { return scb_.at(number - 1); }
    void setSCB(int number, bool on) { scb_.at(number - 1) = on; }
    bool hideLuckButton() const { return SCB(1); }
    bool hideChartButtonBar() const { return SCB(2); }
    bool tileNewWindows() const { return SCB(3); }
    bool hideZeroPower() const { return SCB(4); }
    bool beepOnPalaceClick() const { return SCB(5); }
    bool netCheck() const { return netCB_; }  // NetCB, kept unchanged

    // CPnl0..CPnl3 as Windows colour values.
    std::uint32_t palaceColourValue(int which) const { return panels_.at(which); }
    void setPalaceColourValue(int which, std::uint32_t value) { panels_.at(which) = value; }
    QColor palaceColour(int which) const { return colourFromWindows(palaceColourValue(which)); }

    // KCSG: the info-row table. Row 0 and column 0 are titles.
    QString KCSG(int row, int column) const;
    void setKCSG(int row, int column, const QString& text);
    InfoItem infoItem(int row, int column) const {
        return infoItems_.at(row * kInfoTableColumns + column);
    }
    // InfoRowCount: the rows 1..5 with at least one item other than 表示無し.
    int CountInfoRows() const;

    // SG1: the star display table; row r is the star number r. Row 0 and column 0 are titles.
    QString SG1(int row, int column) const;
    void setSG1(int row, int column, const QString& text);
    // A star's colour, or nothing for black (an empty or unreadable colour cell).
    std::optional<QColor> starColour(int starNumber) const { return starColours_.at(starNumber); }
    void setStarColour(int starNumber, std::uint32_t value);  // sets columns 2 and 1
    // Only 表示する shows; an empty or unknown cell does not.
    bool showsStar(int starNumber, StarView view) const {
        return starShown_.at(starNumber)[static_cast<int>(view) - kShowInChartColumn];
    }
    void setShowsStar(int starNumber, StarView view, bool shown);
    bool showInChart(int starNumber) const { return showsStar(starNumber, StarView::Chart); }
    bool showInDetail(int starNumber) const { return showsStar(starNumber, StarView::Detail); }
    bool showInList(int starNumber) const { return showsStar(starNumber, StarView::List); }

    // PCG: bit 0 星の一覧, bit 1 双星の一覧, bit 2 説明文 of the palace detail.
    int PCG() const { return pcg_; }
    void setPCG(int mask) { pcg_ = mask; }
    // NRG: 0 the default target date is now, 1 it is DateE.
    int NRG() const { return nrg_; }
    void setNRG(int v) { nrg_ = v; }
    QString DateE() const { return dateE_; }  // "yyyy/mm/dd", year 9999 = the current year
    void setDateE(const QString& v) { dateE_ = v; }

    // The palace detail's star-list widths (row 1 of the table "星の一覧の表示巾"). Not in
    // the settings file: they start at the defaults and last until the program ends.
    static QString starListTitle(int column);
    int starListWidth(int column) const { return starListWidths_.at(column); }
    void setStarListWidth(int column, int width) { starListWidths_.at(column) = width; }
    void resetStarListWidths();

    const FontSetting& font(FontRole role) const { return fonts_.at(role); }
    void setFont(FontRole role, const FontSetting& f) { fonts_.at(role) = f; }

    // Told after the dialog's OK or cancel, when what the windows draw from may differ.
    StoreChanges& changes() const { return *changes_; }

  private:
    // The keys of section Sys in the order a new file gets them, each with its default and
    // where its value lives: load, save and reset all go by it.
    template <typename Self>
    static auto keyTable(Self& self);
    void loadFrom(const QString& path);

    void resetToDefaults();
    // Titles are put back and the typed views of the tables made after every load or reset.
    void writeTitles();
    void parseCells();
    void parseStarCell(int row, int column);

    QString appDir_;
    bool fellBack_ = false;
    QString loadWarning_;
    platform::KeyStore& keys_;
    QString settingsFileName_ = QString::fromLatin1(kDefaultIniName);
    QString startupNameFile_ = QStringLiteral("Default.nam");

    QString meiExeName_;
    QString meiExeHtml_;
    QString meiFolder_;
    QString verticalMargin_;
    int banYCount_ = 1;
    int banXCount_ = 1;
    std::array<bool, 5> scb_{};
    bool netCB_ = true;
    std::array<std::uint32_t, 4> panels_{};
    std::array<QString, kInfoTableRows * kInfoTableColumns> info_;
    std::array<QString, kStarDisplayRows * kStarDisplayColumns> stars_;
    std::array<QString, kStarDisplayRows> starNames_;
    // The cells as the readers use them, parsed when a cell is set.
    std::array<InfoItem, kInfoTableRows * kInfoTableColumns> infoItems_{};
    std::array<std::optional<QColor>, kStarDisplayRows> starColours_{};
    std::array<std::array<bool, 3>, kStarDisplayRows> starShown_{};
    int pcg_ = 15;
    int nrg_ = 0;
    QString dateE_;
    std::array<int, kStarListColumns> starListWidths_{};
    std::array<FontSetting, kFontCount> fonts_;
    // Held apart so that a store can still be moved.
    std::unique_ptr<StoreChanges> changes_ = std::make_unique<StoreChanges>();
};

// "Default.ini" when it exists in the program's folder, else "DEFAULT.SET"; a stored name
// whose file does not exist is replaced by "DEFAULT.SET". An empty stored name means none.
QString chooseSettingsFileName(const QString& appDir, const QString& storedName);

// DefaultTargetDate without its message: the date NRG and DateE choose, at the time of day
// of now; outside 0..150 years (of 365.25 days) after the birth it is the birth moment.
struct TargetDateChoice {
    engine::DateTime moment;
    bool replacedByBirth = false;  // the caller shows kTargetDateOutOfRangeMessage
};
TargetDateChoice chooseDefaultTargetDate(const SystemSettings& settings,
                                         const engine::DateTime& birth,
                                         const engine::DateTime& now);

// Whether DateE is a date OK accepts; the year 9999 counts as a year.
bool isValidTargetDateText(const QString& text);

}  // namespace sorvik::settings
