#include "text_file.h"

#include "atomic_file.h"
#include "errors.h"
#include "sjis.h"

namespace sorvik::platform {

QStringList readSjisLines(const QString& path, QList<int>* unreadableLines) {
    return decodeSjisLines(readWholeFile(path), unreadableLines);
}

QStringList decodeSjisLines(const QByteArray& bytes, QList<int>* unreadableLines) {
    // Older Windows programs end a text file with an end-of-file mark, which is no line.
    constexpr char kEndOfFileMark = 0x1A;
    // Split before decoding: CR and LF are never part of a double-byte character, and a bad
    // byte is then found in its own line.
    const QList<QByteArray> stored =
        splitStoredLines(bytes.endsWith(kEndOfFileMark) ? bytes.first(bytes.size() - 1) : bytes);
    QStringList lines;
    lines.reserve(stored.size());
    for (qsizetype i = 0; i < stored.size(); ++i) {
        bool unreadable = false;
        lines.append(decodeSjis(stored[i], unreadable));
        if (unreadable && unreadableLines != nullptr) {
            unreadableLines->append(static_cast<int>(i + 1));
        }
    }
    return lines;
}

QByteArray encodeSjisLines(const QStringList& lines) {
    QList<QByteArray> stored;
    stored.reserve(lines.size());
    for (qsizetype i = 0; i < lines.size(); ++i) {
        try {
            stored.append(encodeSjis(lines[i]));
        } catch (const EncodingError& error) {
            throw EncodingError(QStringLiteral("%1行目の").arg(i + 1) + error.message());
        }
    }
    return joinStoredLines(stored);
}

QString lineNumbersText(const QList<int>& lines) {
    constexpr qsizetype kListed = 10;
    QStringList numbers;
    for (qsizetype i = 0; i < lines.size() && i < kListed; ++i) {
        numbers.append(QString::number(lines[i]));
    }
    QString where = numbers.join(u'、') + QStringLiteral("行目");
    if (lines.size() > kListed) {
        where += QStringLiteral("ほか%1行").arg(lines.size() - kListed);
    }
    return where;
}

QString unreadableBytesMessage(const QString& fileName, const QList<int>& lines) {
    return QStringLiteral(
               "『%1』の%2に、文字として読めないバイトがありました。"
               "その部分を「〓」に置き換えて読み込みました。"
               "ファイルは、保存するまで元のままです。")
        .arg(fileName, lineNumbersText(lines));
}

void writeSjisLines(const QString& path, const QStringList& lines) {
    writeFileAtomically(path, encodeSjisLines(lines));
}

}  // namespace sorvik::platform
