#include "chart_export.h"

#include "platform/sjis.h"

namespace sorvik::output {

QStringList patternCells(const engine::Chart& chart) {
    QStringList cells;
    for (int i = 0; i < kPatternCells; ++i) {
        const auto at = static_cast<std::size_t>(i);
        cells << (at < chart.patterns.size() ? QString::fromStdString(chart.patterns[at])
                                             : QString());
    }
    return cells;
}

QString targetDateHead(const engine::DateTime& target) {
    return QString::fromStdString(engine::formatTargetDate(target)).left(10);
}

QString natalTail(const ChartExport& chart) {
    const int star = engine::NayinMasterStar(chart.chart.record.header()[engine::kHeaderBureau]);
    return platform::sjisBytePrefix(
        QStringLiteral("   納音命主：") + QString::fromStdString(chart.names[star]), 20);
}

QString exportFileName(const engine::BirthMoment& person, const QString& suffix) {
    return QStringLiteral("氏名：") + QString::fromStdString(person.name) + suffix;
}

}  // namespace sorvik::output
