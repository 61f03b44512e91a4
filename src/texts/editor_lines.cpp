#include "editor_lines.h"

namespace sorvik::texts {

QStringList palaceEditorLines(QStringList lines) {
    if (lines.size() < kPalaceEditorLineCount) {
        lines.resize(kPalaceEditorLineCount);
    }
    return lines;
}

StarLine starEditorFields(const QString& line) {
    return splitStarLine(decodeLineBreaks(line));
}

QString starEditorLine(const QString& nature, const QString& description) {
    return joinStarLine(encodeLineBreaks(nature), encodeLineBreaks(description));
}

}  // namespace sorvik::texts
