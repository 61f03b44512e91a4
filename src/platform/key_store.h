#pragma once

#include <memory>

#include <QByteArray>
#include <QDateTime>
#include <QSettings>
#include <QString>
#include <QStringList>

class QTemporaryDir;

namespace sorvik::platform {

// The per-user key store that stands in for the current user's registry. Keys are registry
// paths such as "Software\Velmora\TQLX4\USys" (a leading backslash is ignored); values are
// text or binary. Backed by one per-user file; tests give it a file in a temporary folder.
class KeyStore {
  public:
    explicit KeyStore(const QString& filePath);
    ~KeyStore();
    KeyStore(const KeyStore&) = delete;
    KeyStore& operator=(const KeyStore&) = delete;

    // Where the user's own store lives.
    static QString defaultFilePath();

    bool hasValue(const QString& key, const QString& name) const;
    QString readText(const QString& key, const QString& name, const QString& fallback = {}) const;
    void writeText(const QString& key, const QString& name, const QString& value);
    QByteArray readBinary(const QString& key, const QString& name) const;
    void writeBinary(const QString& key, const QString& name, const QByteArray& value);
    QStringList valueNames(const QString& key) const;
    QStringList subkeyNames(const QString& key) const;
    // Whether the value was written with writeBinary.
    bool isBinary(const QString& key, const QString& name) const;
    void removeValue(const QString& key, const QString& name);

    // Writes pending changes to the file; throws FileError when that fails.
    void sync();

    // From here on the file is neither read nor written: the store goes on with the values
    // read so far, in a scratch copy that ends with the store. For a damaged file the user
    // chose not to have replaced.
    void leaveFileAlone();

    QString filePath() const;

  private:
    std::unique_ptr<QSettings> settings_;
    QString filePath_;
    std::unique_ptr<QTemporaryDir> scratch_;
};

// Why the store's file cannot be taken as the user's: it cannot be read as a whole, or it
// lacks the values every start of the program writes (Dir and Ver of the program's key), so
// that the user's settings would silently turn into the defaults. Empty when the file is whole
// or there is none yet.
QString keyStoreDamage(const QString& filePath);

// Copies a damaged store's file aside as "<name>.damaged-<yyyyMMdd-hhmmss>" beside it and
// returns the copy's path; empty when no copy could be made (a folder in its place).
QString keepDamagedKeyStore(const QString& filePath, const QDateTime& now);

}  // namespace sorvik::platform
