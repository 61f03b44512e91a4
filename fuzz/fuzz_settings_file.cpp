// The settings file (Default.ini) from any bytes: it loads, falling back to the defaults with
// its message where it must, and what loaded can be written again.
#include <QTemporaryDir>

#include "engine/catalogue.h"
#include "fuzz_input.h"
#include "platform/key_store.h"
#include "settings/system_settings.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static QTemporaryDir dir;
    static sorvik::platform::KeyStore keys(dir.filePath(QStringLiteral("registry.ini")));
    static const sorvik::engine::StarDisplayNames names =
        sorvik::engine::BuildStarDisplayNames("殺");
    sorvik::fuzz::writeInput(dir.filePath(QStringLiteral("Default.ini")), data, size);
    sorvik::settings::SystemSettings settings(dir.path(), keys, names);
    settings.LoadSettings();
    if (settings.fellBackToDefaults() && settings.loadWarning().isEmpty()) {
        __builtin_trap();  // a fall-back the user is not told of
    }
    (void)settings.CountInfoRows();
    (void)settings.validate();
    return 0;
}
