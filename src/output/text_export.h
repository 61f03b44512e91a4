#pragma once

#include <optional>

#include <QString>
#include <QStringList>

#include "engine/catalogue.h"
#include "output/chart_export.h"
#include "texts/live_texts.h"

// "説明文の出力": the chart's header, its patterns and every star and combination text that
// applies to it, palace by palace, then the luck section.
namespace sorvik::output {

struct DescriptionSources {
    QString folder;  // where HSETUF<n>.DAT and DSETUF<n>.DAT are read
    const texts::LiveTexts& texts;
    const engine::StarDisplayNames& names;
};

struct DescriptionText {
    QStringList lines;
    // A palace file had no line for a star met: the text ends before that star.
    bool cutShort = false;
    // A palace file that could not be read ended the text there; the lines so far stand.
    std::optional<QString> fileError;
};

DescriptionText descriptionText(const ChartExport& chart, const DescriptionSources& sources);

}  // namespace sorvik::output
