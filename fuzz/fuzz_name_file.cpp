// A name data file from any bytes: it loads, and what loaded can always be saved again.
#include <cstddef>
#include <cstdint>

#include <QFile>
#include <QTemporaryDir>

#include "platform/errors.h"
#include "platform/text_file.h"
#include "records/name_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Default.nam"));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        __builtin_trap();
    }
    file.write(reinterpret_cast<const char*>(data), static_cast<qint64>(size));
    file.close();

    QList<int> unreadable;
    const std::vector<sorvik::records::NameList::Row> rows =
        sorvik::records::readNameFile(path, &unreadable);
    QStringList lines;
    for (const auto& row : rows) {
        lines.append(sorvik::records::formatNameLine(row));
    }
    try {
        (void)sorvik::platform::encodeSjisLines(lines);
    } catch (const sorvik::platform::EncodingError&) {
        __builtin_trap();  // a loaded list that can never be saved
    }
    for (const int line : unreadable) {
        if (line < 1) {
            __builtin_trap();
        }
    }
    return 0;
}
