#include "text_file.h"

#include "atomic_file.h"
#include "sjis.h"

namespace sorvik::platform {

QStringList readSjisLines(const QString& path) {
    return splitLines(decodeSjis(readWholeFile(path)));
}

QByteArray encodeSjisLines(const QStringList& lines) {
    QList<QByteArray> stored;
    stored.reserve(lines.size());
    for (const QString& line : lines) {
        stored.append(encodeSjis(line));
    }
    return joinStoredLines(stored);
}

void writeSjisLines(const QString& path, const QStringList& lines) {
    writeFileAtomically(path, encodeSjisLines(lines));
}

}  // namespace sorvik::platform
