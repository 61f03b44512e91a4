#pragma once

#include <QString>

namespace sorvik::platform {

class KeyStore;

// The name a backup gives the program's key when it writes it out.
inline constexpr const char* kKeyStoreFileName = "TQLX4.reg";

// The program's whole key of the store as readable text in the registry editor's layout: a
// "[HKEY_CURRENT_USER\…]" line per key, then one "name"="text" or "name"=hex:… line per
// value. Texts escape \, " and line breaks with a backslash. UTF-8 with CR LF line ends, so
// any value the store holds comes back exactly.
QString keyStoreText(const KeyStore& keys);

// Writes that text to the file through the atomic writer; throws FileError.
void exportKeyStore(const KeyStore& keys, const QString& path);

// Merges the file's values into the store (values it does not name are left alone) and syncs
// the store. Only the program's key and its subkeys are taken. A file that cannot be read
// throws FileError, a line it cannot understand DamagedFileError naming the line; nothing is
// merged then.
void importKeyStore(KeyStore& keys, const QString& path);

}  // namespace sorvik::platform
