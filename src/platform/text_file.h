#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

#include "platform/lines.h"

namespace sorvik::platform {

// Text files of the program: Shift-JIS, one record per line. Reading accepts CR LF, lone CR
// and lone LF; writing ends every line, the last included, with CR LF. Both throw FileError
// (EncodingError for a character without a Shift-JIS code; nothing is written then).
QStringList readSjisLines(const QString& path);
void writeSjisLines(const QString& path, const QStringList& lines);

// The bytes of the lines as they are stored.
QByteArray encodeSjisLines(const QStringList& lines);

}  // namespace sorvik::platform
