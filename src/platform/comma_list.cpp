#include "comma_list.h"

namespace sorvik::platform {

QStringList readCommaList(QStringView text, qsizetype count, LastPiece last) {
    QStringList pieces;
    pieces.reserve(count);
    qsizetype from = 0;
    while (pieces.size() < count && from >= 0) {
        const qsizetype comma = text.indexOf(u',', from);
        if (comma >= 0) {
            pieces.append(text.mid(from, comma - from).toString());
            from = comma + 1;
        } else {
            if (last == LastPiece::Counts) {
                pieces.append(text.mid(from).toString());
            }
            from = -1;
        }
    }
    while (pieces.size() < count) {
        pieces.append(QString());
    }
    return pieces;
}

QString joinCommaList(const QStringList& cells) {
    QString text;
    for (const QString& cell : cells) {
        text += cell;
        text += u',';
    }
    return text;
}

}  // namespace sorvik::platform
