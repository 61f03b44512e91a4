#include "text_file.h"

#include "atomic_file.h"
#include "sjis.h"

namespace sorvik::platform {

QStringList readSjisLines(const QString& path) {
    return splitLines(decodeSjis(readWholeFile(path)));
}

QByteArray encodeSjisLines(const QStringList& lines) {
    QByteArray bytes;
    for (const QString& line : lines) {
        bytes += encodeSjis(line);
        bytes += "\r\n";
    }
    return bytes;
}

QList<QByteArray> splitStoredLines(const QByteArray& bytes) {
    QList<QByteArray> lines;
    qsizetype start = 0;
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const char c = bytes.at(i);
        if (c != '\r' && c != '\n') {
            continue;
        }
        lines.append(bytes.mid(start, i - start));
        if (c == '\r' && i + 1 < bytes.size() && bytes.at(i + 1) == '\n') {
            ++i;
        }
        start = i + 1;
    }
    if (start < bytes.size()) {
        lines.append(bytes.mid(start));
    }
    return lines;
}

QByteArray joinStoredLines(const QList<QByteArray>& lines) {
    QByteArray bytes;
    for (const QByteArray& line : lines) {
        bytes += line;
        bytes += "\r\n";
    }
    return bytes;
}

void writeSjisLines(const QString& path, const QStringList& lines) {
    writeFileAtomically(path, encodeSjisLines(lines));
}

}  // namespace sorvik::platform
