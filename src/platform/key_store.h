#pragma once

#include <memory>

#include <QByteArray>
#include <QSettings>
#include <QString>
#include <QStringList>

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

    QString filePath() const;

  private:
    std::unique_ptr<QSettings> settings_;
};

}  // namespace sorvik::platform
