#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

#include "platform/lines.h"

namespace sorvik::platform {

// Text files of the program: Shift-JIS, one record per line. Reading accepts CR LF, lone CR
// and lone LF, and ignores an end-of-file mark (0x1A) at the very end; writing ends every
// line, the last included, with CR LF. Both throw FileError (EncodingError for a character without
// a Shift-JIS code; nothing is written then). Bytes that are no Shift-JIS character read as
// kUnreadableMark; when asked, the numbers (from 1) of the lines that held such bytes are given.
QStringList readSjisLines(const QString& path, QList<int>* unreadableLines = nullptr);
QStringList decodeSjisLines(const QByteArray& bytes, QList<int>* unreadableLines = nullptr);
void writeSjisLines(const QString& path, const QStringList& lines);

// The bytes of the lines as they are stored. A character without a Shift-JIS code is named
// with its line number (from 1).
QByteArray encodeSjisLines(const QStringList& lines);

// "3、5行目", the first ten numbers and how many more ("…ほか4行").
QString lineNumbersText(const QList<int>& lines);

// What the user is told after a load that met unreadable bytes: the file and its lines.
QString unreadableBytesMessage(const QString& fileName, const QList<int>& lines);

}  // namespace sorvik::platform
