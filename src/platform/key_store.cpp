#include "key_store.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryDir>

#include "errors.h"
#include "program_key.h"

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
    : settings_(std::make_unique<QSettings>(filePath, QSettings::IniFormat)), filePath_(filePath) {}

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
    return filePath_;
}

void KeyStore::leaveFileAlone() {
    if (scratch_) {
        return;
    }
    scratch_ = std::make_unique<QTemporaryDir>();
    auto copy = std::make_unique<QSettings>(scratch_->filePath(QStringLiteral("registry.ini")),
                                            QSettings::IniFormat);
    for (const QString& key : settings_->allKeys()) {
        copy->setValue(key, settings_->value(key));
    }
    settings_ = std::move(copy);
}

QString keyStoreDamage(const QString& filePath) {
    const QFileInfo file(filePath);
    if (!file.exists() && !file.isSymLink()) {
        return {};
    }
    const QString name = QDir::toNativeSeparators(filePath);
    if (!file.isFile()) {
        return QStringLiteral("設定ﾌｧｲﾙ『%1』は、ファイルではありません。").arg(name);
    }
    const QSettings settings(filePath, QSettings::IniFormat);
    const QString program = groupPath(programKey());
    if (settings.status() != QSettings::NoError ||
        !settings.contains(program + QStringLiteral("/Dir")) ||
        !settings.contains(program + QStringLiteral("/Ver"))) {
        return QStringLiteral("設定ﾌｧｲﾙ『%1』が壊れているため、読み込めません。").arg(name);
    }
    return {};
}

QString keepDamagedKeyStore(const QString& filePath, const QDateTime& now) {
    if (!QFileInfo(filePath).isFile()) {
        return {};
    }
    const QString copy =
        filePath + QStringLiteral(".damaged-") + now.toString(QStringLiteral("yyyyMMdd-HHmmss"));
    QFile::remove(copy);
    return QFile::copy(filePath, copy) ? copy : QString();
}

}  // namespace sorvik::platform
