#include "atomic_file.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>

#include "errors.h"

namespace sorvik::platform {

void writeFileAtomically(const QString& path, const QByteArray& bytes) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        throw FileError(QStringLiteral("『%1』に書き込めません。（%2）")
                            .arg(QDir::toNativeSeparators(path), file.errorString()));
    }
    if (file.write(bytes) != bytes.size() || !file.commit()) {
        throw FileError(QStringLiteral("『%1』を保存できませんでした。（%2）")
                            .arg(QDir::toNativeSeparators(path), file.errorString()));
    }
}

QByteArray readWholeFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        throw FileError(QStringLiteral("『%1』を読み込めません。（%2）")
                            .arg(QDir::toNativeSeparators(path), file.errorString()));
    }
    return file.readAll();
}

}  // namespace sorvik::platform
