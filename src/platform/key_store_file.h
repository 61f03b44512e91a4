#pragma once

#include <optional>
#include <vector>

#include <QByteArray>
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

// One value of such a file; binary when written as hex.
struct KeyStoreValue {
    QString key;
    QString name;
    std::optional<QByteArray> binary;
    QString text;
};

// The values of the program's key and its subkeys in the text of such a file, the others
// dropped. A line it cannot understand throws DamagedFileError naming fileName and the line.
std::vector<KeyStoreValue> parseKeyStoreText(const QByteArray& bytes, const QString& fileName);

// Writes the values into the store (values they do not name are left alone) and syncs it.
void mergeKeyStore(KeyStore& keys, const std::vector<KeyStoreValue>& values);

}  // namespace sorvik::platform
