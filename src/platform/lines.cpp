#include "lines.h"

namespace sorvik::platform {

namespace {

bool isLineEnd(QChar c) {
    return c == u'\r' || c == u'\n';
}

bool isLineEnd(char c) {
    return c == '\r' || c == '\n';
}

template <typename Text>
QList<Text> splitAtLineEnds(const Text& text) {
    QList<Text> lines;
    qsizetype start = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (!isLineEnd(text.at(i))) {
            continue;
        }
        lines.append(text.mid(start, i - start));
        if (text.at(i) == '\r' && i + 1 < text.size() && text.at(i + 1) == '\n') {
            ++i;
        }
        start = i + 1;
    }
    if (start < text.size()) {
        lines.append(text.mid(start));
    }
    return lines;
}

}  // namespace

QStringList splitLines(const QString& text) {
    return splitAtLineEnds(text);
}

QList<QByteArray> splitStoredLines(const QByteArray& bytes) {
    return splitAtLineEnds(bytes);
}

QByteArray joinStoredLines(const QList<QByteArray>& lines) {
    QByteArray bytes;
    for (const QByteArray& line : lines) {
        bytes += line;
        bytes += "\r\n";
    }
    return bytes;
}

}  // namespace sorvik::platform
