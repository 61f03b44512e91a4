#pragma once

#include <QTemporaryDir>

#include "engine/catalogue.h"
#include "platform/key_store.h"
#include "settings/zi_wei_settings.h"

namespace sorvik::bench {

// The Zi Wei settings over the shipped star tables, with a key store of its own so a
// benchmark never reads or writes the user's.
struct ShippedSettings {
    QTemporaryDir dir;
    platform::KeyStore keys{dir.filePath("registry.ini")};
    engine::StarDisplayNames names{"殺"};
    settings::ZiWeiSettings ziWei{QStringLiteral(SORVIK_DATA_DIR), keys, names};
    ShippedSettings() { ziWei.startUp(); }
};

}  // namespace sorvik::bench
