#pragma once

#include <QString>

class QWidget;

namespace sorvik::platform {

class KeyStore;

// A window's placement kept as a binary value of the key store (the window's name followed by
// "WinPlace1"), in the toolkit's own geometry record.
void savePlacement(KeyStore& keys, const QString& key, const QString& valueName,
                   const QWidget& window);

// Applies a stored placement to a window that is not shown yet. Only the position and size
// take effect: the window keeps the state (normal or maximised) it has been given. False when
// nothing usable is stored.
bool restorePlacement(const KeyStore& keys, const QString& key, const QString& valueName,
                      QWidget& window);

}  // namespace sorvik::platform
