#pragma once

#include <array>
#include <vector>

#include <QString>
#include <QStringList>

#include "engine/catalogue.h"
#include "engine/chart_record.h"
#include "texts/live_texts.h"

namespace sorvik::settings {
class SystemSettings;
class ZiWeiSettings;
}  // namespace sorvik::settings

// Star table, star texts and combination texts of palace p in mode m, for the detail and export.
namespace sorvik::texts {

enum class DescriptionMode { Natal = 0, Luck = 1 };  // 推命, 行運

enum StarTableColumn {
    kStarNameColumn = 0,
    kGradeColumn,
    kGoodBadColumn,
    kBrightnessColumn,
    kDipperColumn,
    kElementColumn,
    kPowerColumn,
    kNatureColumn,       // still encoded
    kDescriptionColumn,  // still encoded; the hint decodes it
};
inline constexpr int kStarTableColumns = 9;

struct StarTableRow {
    int star = 0;
    std::array<QString, kStarTableColumns> cells;
};

// The stars of slots 1..30 (yearly stars included) whose "説明に表示" is 表示する, in slot
// order. Throws engine::ConversionError for a brightness cell that is not a code.
std::vector<StarTableRow> starTableRows(const engine::PalaceStarList& stars, engine::Branch palace,
                                        const engine::StarDisplayNames& names,
                                        const settings::ZiWeiSettings& ziwei,
                                        const settings::SystemSettings& system,
                                        const LiveTexts& texts);

// The files a palace's texts come from, read from disk each time they are needed.
struct PalaceTextFiles {
    QStringList palaceLines;   // HSETUF<n>.DAT as it stands: line s = star number s
    QStringList combinations;  // the records of DSETUF<index + 1>.DAT, in file order
};

// Natal: HSETUF<index + 1>.DAT, luck: HSETUF13.DAT; the palace's combination records in both.
// Throws platform::FileError when the palace file cannot be read.
PalaceTextFiles readPalaceTextFiles(const QString& folder, int palaceNameIndex,
                                    DescriptionMode mode);

struct DescriptionLines {
    QStringList lines;      // a decoded text is one entry, its line breaks CR LF
    bool cutShort = false;  // the palace file had no line for a star: the texts end before it
};

// For each star in slot order: its heading and text in the palace, then (natal only) the
// combination texts with the partners in the same slots of p, p + 4 and p + 8, slot by slot.
// palaceName names the palace in the headings.
DescriptionLines starTexts(const engine::PalaceStarLists& lists, engine::Branch palace,
                           DescriptionMode mode, const QString& palaceName,
                           const PalaceTextFiles& files, const engine::StarDisplayNames& names);

// The detail sets each pattern off by an empty line; the text export runs them on.
enum class PatternSpacing { EmptyLineAfterEach, None };

// For each non-empty cell of the chart's pattern list, row by row: the heading and the texts
// of the patterns of that name.
QStringList patternTexts(const QStringList& patternCells, const LiveTexts& texts,
                         PatternSpacing spacing);

// The whole description of palace p: the pattern texts when p is the 命宮, then starTexts.
DescriptionLines palaceDescription(const engine::ChartRecord& record,
                                   const QStringList& patternCells, engine::Branch palace,
                                   DescriptionMode mode, const QString& palaceName,
                                   const PalaceTextFiles& files, const LiveTexts& texts,
                                   const engine::StarDisplayNames& names);

}  // namespace sorvik::texts
