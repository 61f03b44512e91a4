#pragma once

#include <QString>
#include <QStringList>

// The star and pattern texts as the program holds them while it runs: read once at start-up,
// read by the views and the export, written back by their editors.
namespace sorvik::texts {

struct LiveTexts {
    QStringList starLines;     // 129 lines, still encoded: line k = star number k + 1
    QStringList patternLines;  // 39 lines, still encoded: line k = pattern k
};

// Throws platform::FileError when a file cannot be read.
LiveTexts readLiveTexts(const QString& folder);

}  // namespace sorvik::texts
