#include "palace_description.h"

#include "engine/patterns.h"
#include "platform/utf8_text.h"
#include "settings/system_settings.h"
#include "settings/zi_wei_settings.h"
#include "texts/combinations.h"
#include "texts/line_break.h"
#include "texts/text_files.h"

namespace sorvik::texts {

namespace {

QString title(const engine::StarDisplayNames& names, int star) {
    return QString::fromStdString(engine::StarTitle(names, star));
}

std::size_t at(int i) {
    return static_cast<std::size_t>(i);
}

// The partners of a star: the same palace takes records of either kind, the trine only those
// of kind 1.
struct PartnerPalace {
    int steps;
    CombinationKind wanted;
};
constexpr PartnerPalace kPartnerPalaces[] = {
    {0, CombinationKind::SamePalace},
    {4, CombinationKind::SameOrTrine},
    {8, CombinationKind::SameOrTrine},
};

void addCombinations(QStringList& lines, const engine::PalaceStarLists& lists,
                     engine::Branch palace, int slot, const QString& palaceName,
                     const QStringList& records, const engine::StarDisplayNames& names) {
    const int star = lists[at(index(palace))][at(slot)];
    for (int other = 1; other < engine::kPalaceSlots; ++other) {
        if (other == slot) {
            continue;
        }
        for (const PartnerPalace& partners : kPartnerPalaces) {
            const int partner = lists[at(index(palace + partners.steps))][at(other)];
            const auto record = findCombination(records, star, partner, partners.wanted);
            if (record) {
                lines << combinationHeading(palaceName, title(names, star), title(names, partner),
                                            record->kind)
                      << decodeLineBreaks(record->text) << QString();
            }
        }
    }
}

}  // namespace

std::vector<StarTableRow> starTableRows(const engine::PalaceStarList& stars, engine::Branch palace,
                                        const engine::StarDisplayNames& names,
                                        const settings::ZiWeiSettings& ziwei,
                                        const settings::SystemSettings& system,
                                        const LiveTexts& texts) {
    std::vector<StarTableRow> rows;
    for (int slot = 1; slot < engine::kPalaceSlots; ++slot) {
        const int star = stars[at(slot)];
        if (star == 0 || !system.showInDetail(star)) {
            continue;
        }
        const engine::StarInfo& info = engine::starInfo(star);
        const StarLine line = splitStarLine(texts.starLines.value(star - 1));
        const QString brightness = star < engine::kFirstYearlyStar
                                       ? qs(engine::brightnessLabel(ziwei.brightness(star, palace)))
                                       : QString();
        rows.push_back(
            {star,
             {QString::fromStdString(names[star]), qs(engine::gradeLabel(info.classCode)),
              qs(engine::goodBadLabel(info.classCode)), brightness,
              qs(engine::dipperLabel(info.dipperCode)),
              QString::fromStdString(engine::elementLabel(info.elementCode)),
              ziwei.cell(settings::Grid::Powers, star, engine::index(palace) + 1), line.nature,
              line.description}});
    }
    return rows;
}

PalaceTextFiles readPalaceTextFiles(const QString& folder, int palaceNameIndex,
                                    DescriptionMode mode) {
    const int file = mode == DescriptionMode::Luck ? kLuckPalaceFile : palaceNameIndex + 1;
    return {readPalaceLines(folder, file),
            readCombinationFile(folder, palaceNameIndex + 1).records};
}

DescriptionLines starTexts(const engine::PalaceStarLists& lists, engine::Branch palace,
                           DescriptionMode mode, const QString& palaceName,
                           const PalaceTextFiles& files, const engine::StarDisplayNames& names) {
    DescriptionLines result;
    const engine::PalaceStarList& stars = lists[at(index(palace))];
    for (int slot = 1; slot < engine::kPalaceSlots; ++slot) {
        const int star = stars[at(slot)];
        if (star == 0) {
            continue;
        }
        if (star >= files.palaceLines.size()) {
            result.cutShort = true;
            break;
        }
        if (const QString& text = files.palaceLines.at(star); !text.isEmpty()) {
            result.lines << starInPalaceHeading(title(names, star), palaceName)
                         << decodeLineBreaks(text) << QString();
        }
        if (mode == DescriptionMode::Natal) {
            addCombinations(result.lines, lists, palace, slot, palaceName, files.combinations,
                            names);
        }
    }
    return result;
}

QStringList patternTexts(const QStringList& patternCells, const LiveTexts& texts,
                         PatternSpacing spacing) {
    QStringList lines;
    for (const QString& cell : patternCells) {
        if (cell.isEmpty()) {
            continue;
        }
        lines << patternHeading(cell);
        for (int pattern = 0; pattern < engine::kPatternCount; ++pattern) {
            if (qs(engine::patternName(pattern)) == cell) {
                lines << decodeLineBreaks(texts.patternLines.value(pattern));
            }
        }
        if (spacing == PatternSpacing::EmptyLineAfterEach) {
            lines << QString();
        }
    }
    return lines;
}

DescriptionLines palaceDescription(const engine::ChartRecord& record,
                                   const QStringList& patternCells, engine::Branch palace,
                                   DescriptionMode mode, const QString& palaceName,
                                   const PalaceTextFiles& files, const LiveTexts& texts,
                                   const engine::StarDisplayNames& names) {
    DescriptionLines stars =
        starTexts(record.palaceStarLists, palace, mode, palaceName, files, names);
    if (palace == record.lifePalace()) {
        stars.lines =
            patternTexts(patternCells, texts, PatternSpacing::EmptyLineAfterEach) + stars.lines;
    }
    return stars;
}

}  // namespace sorvik::texts
