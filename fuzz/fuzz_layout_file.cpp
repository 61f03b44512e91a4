// The layout file (TQLX4.ini) from any bytes, as every reader of a profile file takes it: its
// sections and keys read, then a value written and deleted again.
#include <QTemporaryDir>

#include "fuzz_input.h"
#include "platform/profile_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("TQLX4.ini"));
    sorvik::fuzz::writeInput(path, data, size);
    sorvik::platform::ProfileFile file(path);
    for (const QString& section : file.sections()) {
        for (const QString& key : file.keys(section)) {
            (void)file.readString(section, key);
            (void)file.readInteger(section, key, 0);
        }
    }
    file.writeInteger(QStringLiteral("Placement"), QStringLiteral("Left"), 12);
    if (file.readInteger(QStringLiteral("Placement"), QStringLiteral("Left"), 0) != 12) {
        __builtin_trap();
    }
    // A key written twice by hand keeps its later copy: only the first is deleted.
    file.deleteKey(QStringLiteral("Placement"), QStringLiteral("Left"));
    return 0;
}
