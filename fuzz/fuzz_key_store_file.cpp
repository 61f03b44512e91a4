// The key store from any bytes, both ways it is read: as the user's store (its damage check,
// then its values) and as an exported store that a restore merges in.
#include <QTemporaryDir>

#include "fuzz_input.h"
#include "platform/errors.h"
#include "platform/key_store.h"
#include "platform/key_store_file.h"
#include "platform/program_key.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static QTemporaryDir dir;
    const QString stored = dir.filePath(QStringLiteral("registry.ini"));
    sorvik::fuzz::writeInput(stored, data, size);
    if (sorvik::platform::keyStoreDamage(stored).isEmpty()) {
        const sorvik::platform::KeyStore keys(stored);
        if (!keys.hasValue(sorvik::platform::programKey(), QStringLiteral("Ver"))) {
            __builtin_trap();  // a store taken as whole without the values every start writes
        }
        (void)sorvik::platform::keyStoreText(keys);
    }

    const QString exported = dir.filePath(QStringLiteral("TQLX4.reg"));
    sorvik::fuzz::writeInput(exported, data, size);
    QFile::remove(dir.filePath(QStringLiteral("merged.ini")));
    sorvik::platform::KeyStore merged(dir.filePath(QStringLiteral("merged.ini")));
    try {
        sorvik::platform::importKeyStore(merged, exported);
    } catch (const sorvik::platform::FileError&) {
        if (!merged.subkeyNames(QString()).isEmpty()) {
            __builtin_trap();  // a refused file merged in part
        }
    }
    return 0;
}
