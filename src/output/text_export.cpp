#include "text_export.h"

#include "engine/chart_record.h"
#include "platform/errors.h"
#include "platform/utf8_text.h"
#include "strength/palace_cells.h"
#include "texts/palace_description.h"

namespace sorvik::output {

namespace {

QStringList headerLines(const ChartExport& chart) {
    const engine::ChartLabels& l = chart.chart.labels;
    return {QStringLiteral("造命 ") + targetDateHead(chart.targetDate) + QStringLiteral(" ") +
                qs(l.ZKS),
            qs(l.Name),
            qs(l.Date) + QStringLiteral("  ") + qs(l.Inyo) + QStringLiteral("  ") + qs(l.InDate),
            qs(l.Kyoku) + QStringLiteral("  ") + qs(l.Kazoe),
            qs(l.Mei) + QStringLiteral("  ") + qs(l.Sin) + natalTail(chart)};
}

QString luckHeading(const engine::ChartRecord& record, engine::Branch branch) {
    const engine::StarRow& header = record.header();
    const int decade = strength::DecadeAge(header[engine::kHeaderBureau], record.lifePalace(),
                                           branch, header[engine::kHeaderDirection] == 1);
    const int minor = strength::MinorAge(
        record.yearBranch(), branch, record.sex == engine::Sex::Male, header[engine::kHeaderAge]);
    return QStringLiteral("○○○○○　%1　○○○○○　大限:%2～%3歳　小限:%4歳")
        .arg(qs(std::string(engine::branchName(branch))))
        .arg(decade)
        .arg(decade + 9)
        .arg(minor);
}

// Adds one palace's texts; false when the text has to end here.
bool addPalace(DescriptionText& result, const ChartExport& chart, engine::Branch branch,
               texts::DescriptionMode mode, const DescriptionSources& sources) {
    const engine::ChartRecord& record = chart.chart.record;
    const int nameIndex = record.lifePalace() - branch;
    const QString& palaceName = chart.palaceNames[static_cast<std::size_t>(nameIndex)];
    texts::PalaceTextFiles files;
    try {
        files = texts::readPalaceTextFiles(sources.folder, nameIndex, mode);
    } catch (const platform::FileError& e) {
        result.fileError = QString::fromStdString(e.what());
        return false;
    }
    if (mode == texts::DescriptionMode::Natal) {
        result.lines << QStringLiteral("●●●●●　") + palaceName + QStringLiteral(":") +
                            qs(std::string(engine::branchName(branch))) + QStringLiteral("　●●●●●");
    } else {
        result.lines << luckHeading(record, branch);
    }
    const texts::DescriptionLines stars =
        texts::starTexts(record.palaceStarLists, branch, mode, palaceName, files, sources.names);
    result.lines << stars.lines;
    result.cutShort = stars.cutShort;
    return !stars.cutShort;
}

}  // namespace

DescriptionText descriptionText(const ChartExport& chart, const DescriptionSources& sources) {
    DescriptionText result;
    const engine::ChartRecord& record = chart.chart.record;
    result.lines << headerLines(chart);
    result.lines << texts::patternTexts(patternCells(chart.chart), sources.texts,
                                        texts::PatternSpacing::None);
    result.lines << QString() << QStringLiteral("★★★　推　命 ★★★") << QString();
    for (int i = 0; i < 12; ++i) {
        if (!addPalace(result, chart, record.lifePalace() - i, texts::DescriptionMode::Natal,
                       sources)) {
            return result;
        }
    }
    result.lines << QString() << QStringLiteral("☆☆☆　行　運 ☆☆☆") << QString();
    for (const engine::Branch branch : engine::kBranches) {
        if (!addPalace(result, chart, branch, texts::DescriptionMode::Luck, sources)) {
            return result;
        }
    }
    return result;
}

}  // namespace sorvik::output
