#include "window_placement.h"

#include <QWidget>

#include "key_store.h"

namespace sorvik::platform {

void savePlacement(KeyStore& keys, const QString& key, const QString& valueName,
                   const QWidget& window) {
    keys.writeBinary(key, valueName, window.saveGeometry());
}

bool restorePlacement(const KeyStore& keys, const QString& key, const QString& valueName,
                      QWidget& window) {
    const QByteArray stored = keys.readBinary(key, valueName);
    if (stored.isEmpty()) {
        return false;
    }
    const Qt::WindowStates state = window.windowState();
    if (!window.restoreGeometry(stored)) {
        return false;
    }
    window.setWindowState(state);
    return true;
}

}  // namespace sorvik::platform
