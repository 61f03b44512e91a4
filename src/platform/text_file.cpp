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

void writeSjisLines(const QString& path, const QStringList& lines) {
    writeFileAtomically(path, encodeSjisLines(lines));
}

}  // namespace sorvik::platform
