#include "line_break.h"

namespace sorvik::texts {

namespace {

const QString kBreak = QStringLiteral("/r");
const QString kSeparator = QStringLiteral("/t");

}  // namespace

QString encodeLineBreaks(const QString& text) {
    QString line;
    line.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c == u'\r') {
            if (i + 1 < text.size() && text.at(i + 1) == u'\n') {
                ++i;
            }
            line += kBreak;
        } else if (c == u'\n') {
            line += kBreak;
        } else {
            line += c;
        }
    }
    return line;
}

QString decodeLineBreaks(const QString& line) {
    QString text = line;
    return text.replace(kBreak, QStringLiteral("\r\n"));
}

StarLine splitStarLine(const QString& line) {
    const qsizetype at = line.indexOf(kSeparator);
    if (at < 0) {
        return {line, QString()};
    }
    return {line.left(at), line.mid(at + kSeparator.size())};
}

QString joinStarLine(const QString& nature, const QString& description) {
    return nature + kSeparator + description;
}

}  // namespace sorvik::texts
