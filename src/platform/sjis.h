#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// Shift-JIS (code page 932) exists only at the file boundary; inside, text is QString.
namespace sorvik::platform {

// Throws EncodingError naming the first character that has no Shift-JIS code: a file of ours
// never silently loses a character.
QByteArray encodeSjis(const QString& text);

// A damaged file still opens: a byte that starts no character decodes to U+001A, a code
// without a character to U+FFFD, and a lead byte cut off at the very end is dropped. Files
// whose layout is rewritten without an edit go through splitStoredLines instead, so that such
// bytes are kept.
QString decodeSjis(const QByteArray& bytes);

// Number of Shift-JIS bytes of the text (the rules that count bytes count these).
qsizetype sjisByteLength(const QString& text);

// The longest leading part of the text that fits in the given number of Shift-JIS bytes,
// never cutting a double-byte character in half.
QString sjisBytePrefix(const QString& text, qsizetype maxBytes);

}  // namespace sorvik::platform
