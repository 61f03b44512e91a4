#pragma once

#include <QRect>
#include <QString>
#include <QStringList>

class QFontMetrics;
class QPainter;

// A star cell's text in its one-character-wide column, on screen and on paper alike.
namespace sorvik::output {

// The lines a star cell shows: one full-width character per line, half-width runs (the power)
// word-wrapped to the width, broken only at blanks.
QStringList verticalLines(const QString& text, const QFontMetrics& metrics, int width);

// Draws the lines from the top of the cell, clipped to it. Lines wider than the cell (two-digit
// powers such as "10" or "-8") are drawn narrower, keeping `gap` free on either side.
void drawVerticalText(QPainter& painter, const QRect& rect, const QString& text, int gap);

}  // namespace sorvik::output
