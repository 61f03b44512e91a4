#include "atomic_file.h"

#include <cerrno>

#include <fcntl.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSaveFile>

#include "errors.h"

namespace sorvik::platform {

namespace {

// The rename lives in the folder: until the folder itself reaches the disk, a power cut can
// bring back the old file or none.
void syncFolder(const QString& folder) {
    const QByteArray native = QFile::encodeName(folder);
    const int fd = ::open(native.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) {
        return;  // the file itself is synced; nothing more can be done from here
    }
    const int result = ::fsync(fd);
    const int error = errno;
    ::close(fd);
    // Some file systems cannot sync a folder (EINVAL); that is no failure of the save.
    if (result != 0 && error != EINVAL && error != EROFS) {
        throw FileError(QStringLiteral("『%1』を保存できませんでした。（フォルダを書き込めません）")
                            .arg(QDir::toNativeSeparators(folder)));
    }
}

// A save that was killed leaves its temporary copy beside the file, named by the file and six
// letters or digits. Only such names of this very file, regular files of our own, are ours.
void removeLeftovers(const QFileInfo& target) {
    const QDir folder = target.absoluteDir();
    const QRegularExpression ours(QRegularExpression::anchoredPattern(
        QRegularExpression::escape(target.fileName()) + QStringLiteral("\\.[A-Za-z0-9]{6}")));
    const QStringList candidates =
        folder.entryList({target.fileName() + QStringLiteral(".??????")},
                         QDir::Files | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    for (const QString& name : candidates) {
        const QFileInfo leftover(folder.filePath(name));
        if (ours.match(name).hasMatch() && leftover.isFile() && !leftover.isSymLink() &&
            leftover.ownerId() == ::getuid()) {
            QFile::remove(leftover.filePath());
        }
    }
}

}  // namespace

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
    const QFileInfo target(path);
    syncFolder(target.absolutePath());
    removeLeftovers(target);
}

QByteArray readWholeFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        throw FileError(QStringLiteral("『%1』を読み込めません。（%2）")
                            .arg(QDir::toNativeSeparators(path), file.errorString()));
    }
    QByteArray bytes = file.readAll();
    // A read that fails half-way must not pass for a shorter file.
    if (file.error() != QFileDevice::NoError) {
        throw FileError(QStringLiteral("『%1』を読み込めません。（%2）")
                            .arg(QDir::toNativeSeparators(path), file.errorString()));
    }
    return bytes;
}

}  // namespace sorvik::platform
