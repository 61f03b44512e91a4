#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// Shift-JIS (code page 932) exists only at the file boundary; inside, text is QString.
namespace sorvik::platform {

// Throws EncodingError naming the first character that has no Shift-JIS code: a file of ours
// never silently loses a character.
QByteArray encodeSjis(const QString& text);

// The mark that stands for bytes that are no Shift-JIS character: itself one, so a text that
// holds it can be stored again.
inline constexpr char16_t kUnreadableMark = u'〓';

// A damaged file still opens: each byte sequence that is no Shift-JIS character (a byte that
// starts none, a lead byte without its trail byte, a code without a character) becomes one
// kUnreadableMark. Files whose layout is rewritten without an edit go through
// splitStoredLines instead, so that such bytes are kept.
QString decodeSjis(const QByteArray& bytes);
// The same, also telling whether any byte sequence was unreadable.
QString decodeSjis(const QByteArray& bytes, bool& unreadable);

// Number of Shift-JIS bytes of the text (the rules that count bytes count these).
qsizetype sjisByteLength(const QString& text);

// The longest leading part of the text that fits in the given number of Shift-JIS bytes,
// never cutting a double-byte character in half.
QString sjisBytePrefix(const QString& text, qsizetype maxBytes);

}  // namespace sorvik::platform
