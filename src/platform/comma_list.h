#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>

namespace sorvik::platform {

// Table rows are stored as text in which every cell is followed by ",". Readers cut the text
// at commas from the left, one piece per cell, and differ only on a last piece that no comma
// follows: readers that append a comma first count it, the others drop it.
enum class LastPiece { Counts, Dropped };

// The first `count` pieces; a piece the text does not have is empty.
QStringList readCommaList(QStringView text, qsizetype count, LastPiece last);

// Every cell followed by a comma; nothing is escaped.
QString joinCommaList(const QStringList& cells);

}  // namespace sorvik::platform
