#pragma once

#include <QString>

namespace sorvik::platform {

// The maker's key in the key store (the support address), and the program's own below it:
// every value the program keeps lies in that key or one of its subkeys.
inline QString makerKey() {
    return QStringLiteral("Software\\Velmora");
}
inline QString programKey() {
    return makerKey() + QStringLiteral("\\TQLX4");
}
inline QString programKey(const QString& subkey) {
    return programKey() + u'\\' + subkey;
}

}  // namespace sorvik::platform
