#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

namespace sorvik::platform {

// Every file format of the program splits its lines here: at CR LF, lone CR and lone LF. A
// line end at the very end does not open another line.
QStringList splitLines(const QString& text);

// The same on stored bytes (CR and LF are never part of a Shift-JIS double-byte character),
// and back with CR LF after every line. For rewriting a file's layout without passing its
// text through the decoder, which would replace damaged bytes.
QList<QByteArray> splitStoredLines(const QByteArray& bytes);
QByteArray joinStoredLines(const QList<QByteArray>& lines);

}  // namespace sorvik::platform
