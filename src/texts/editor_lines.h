#pragma once

#include <QString>
#include <QStringList>

#include "line_break.h"

// How the description editors turn stored lines into the texts they show and back.
namespace sorvik::texts {

// The palace editor keeps one line more than the files hold and writes all of them back.
inline constexpr int kPalaceEditorLineCount = 132;
QStringList palaceEditorLines(QStringList lines);

// A star line as the star editor shows it: the whole line decoded, then split at the first
// "/t" into the nature and the description.
StarLine starEditorFields(const QString& line);
// The line the star editor stores; the separator is always written.
QString starEditorLine(const QString& nature, const QString& description);

}  // namespace sorvik::texts
