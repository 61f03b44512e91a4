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

QString targetDateHead(const engine::ChartLabels& labels) {
    return QString::fromStdString(labels.ZNen).left(10);
}

QString natalTail(const engine::ChartLabels& labels) {
    const QString nat = QString::fromStdString(labels.Nat);
    // Skip whole characters up to the third byte; a double-byte character is never split.
    qsizetype skipped = 0;
    qsizetype start = 0;
    while (start < nat.size() && skipped < 3) {
        skipped += platform::sjisByteLength(nat.mid(start, 1));
        ++start;
    }
    return platform::sjisBytePrefix(nat.mid(start), 20);
}

QString exportFileName(const engine::ChartLabels& labels, const QString& suffix) {
    return QString::fromStdString(labels.Name) + suffix;
}

}  // namespace sorvik::output
