#include "key_store.h"

#include <QDir>
#include <QStandardPaths>

#include "errors.h"

namespace sorvik::platform {

namespace {

// QSettings groups use "/"; the registry paths of the program use "\".
QString groupPath(const QString& key) {
    QString path = key;
    path.replace(u'\\', u'/');
    while (path.startsWith(u'/')) {
        path.remove(0, 1);
    }
    return path;
}

QString valuePath(const QString& key, const QString& name) {
    return groupPath(key) + u'/' + name;
}

}  // namespace

KeyStore::KeyStore(const QString& filePath)
    : settings_(std::make_unique<QSettings>(filePath, QSettings::IniFormat)) {}

KeyStore::~KeyStore() = default;

QString KeyStore::defaultFilePath() {
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    return QDir(folder).filePath(QStringLiteral("sorvik/registry.ini"));
}

bool KeyStore::hasValue(const QString& key, const QString& name) const {
    return settings_->contains(valuePath(key, name));
}

QString KeyStore::readText(const QString& key, const QString& name, const QString& fallback) const {
    return settings_->value(valuePath(key, name), fallback).toString();
}

void KeyStore::writeText(const QString& key, const QString& name, const QString& value) {
    settings_->setValue(valuePath(key, name), value);
}

QByteArray KeyStore::readBinary(const QString& key, const QString& name) const {
    return settings_->value(valuePath(key, name)).toByteArray();
}

void KeyStore::writeBinary(const QString& key, const QString& name, const QByteArray& value) {
    settings_->setValue(valuePath(key, name), value);
}

QStringList KeyStore::valueNames(const QString& key) const {
    settings_->beginGroup(groupPath(key));
    const QStringList names = settings_->childKeys();
    settings_->endGroup();
    return names;
}

QStringList KeyStore::subkeyNames(const QString& key) const {
    settings_->beginGroup(groupPath(key));
    const QStringList names = settings_->childGroups();
    settings_->endGroup();
    return names;
}

bool KeyStore::isBinary(const QString& key, const QString& name) const {
    return settings_->value(valuePath(key, name)).typeId() == QMetaType::QByteArray;
}

void KeyStore::removeValue(const QString& key, const QString& name) {
    settings_->remove(valuePath(key, name));
}

void KeyStore::sync() {
    settings_->sync();
    if (settings_->status() != QSettings::NoError) {
        throw FileError(QStringLiteral("設定を『%1』に保存できませんでした。")
                            .arg(QDir::toNativeSeparators(settings_->fileName())));
    }
}

QString KeyStore::filePath() const {
    return settings_->fileName();
}

}  // namespace sorvik::platform
