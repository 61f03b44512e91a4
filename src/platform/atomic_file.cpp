#include "atomic_file.h"

#include <algorithm>
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

AtomicWriter::AtomicWriter(const QString& path) : path_(path) {
    // The rename would put a file where a pipe, a device or a folder was.
    if (const QFileInfo target(path); target.exists() && !target.isFile()) {
        throw FileError(QStringLiteral("『%1』は、ファイルではないため、書き込めません。")
                            .arg(QDir::toNativeSeparators(path)));
    }
    file_ = std::make_unique<QSaveFile>(path);
    if (!file_->open(QIODevice::WriteOnly)) {
        throw FileError(QStringLiteral("『%1』に書き込めません。（%2）")
                            .arg(QDir::toNativeSeparators(path), file_->errorString()));
    }
}

AtomicWriter::~AtomicWriter() = default;

void AtomicWriter::write(const QByteArray& bytes) {
    if (file_->write(bytes) != bytes.size()) {
        throw failed();
    }
}

void AtomicWriter::commit() {
    if (!file_->commit()) {
        throw failed();
    }
    const QFileInfo target(path_);
    syncFolder(target.absolutePath());
    removeLeftovers(target);
}

FileError AtomicWriter::failed() const {
    return FileError(QStringLiteral("『%1』を保存できませんでした。（%2）")
                         .arg(QDir::toNativeSeparators(path_), file_->errorString()));
}

void writeFileAtomically(const QString& path, const QByteArray& bytes) {
    AtomicWriter writer(path);
    writer.write(bytes);
    writer.commit();
}

void openForReading(QFile& file, qint64 limit) {
    const QString path = file.fileName();
    if (path.isEmpty()) {
        throw FileError(QStringLiteral("ファイル名が指定されていません。"));
    }
    // A pipe or a device may never end, and opening a pipe waits for a writer.
    if (const QFileInfo info(path); info.exists() && !info.isFile()) {
        throw FileError(QStringLiteral("『%1』は、ファイルではありません。")
                            .arg(QDir::toNativeSeparators(path)));
    }
    if (!file.open(QIODevice::ReadOnly)) {
        throw unreadableFileError(path, file.errorString());
    }
    if (file.size() > limit) {
        throw tooLargeFileError(path, limit);
    }
}

FileError unreadableFileError(const QString& path, const QString& reason) {
    return FileError(QStringLiteral("『%1』を読み込めません。（%2）")
                         .arg(QDir::toNativeSeparators(path), reason));
}

FileError tooLargeFileError(const QString& path, qint64 limit) {
    return FileError(QStringLiteral("『%1』は、大きすぎるため読み込めません。（%2バイトまで）")
                         .arg(QDir::toNativeSeparators(path))
                         .arg(limit));
}

QByteArray readWholeFile(const QString& path, qint64 limit) {
    QFile file(path);
    openForReading(file, limit);
    // Read in pieces rather than by the size told: a file of /proc tells none, and a file
    // that grows while it is read must still stop at the limit.
    constexpr qint64 kPiece = 1 << 20;
    QByteArray bytes;
    bytes.reserve(file.size());
    for (;;) {
        const qsizetype had = bytes.size();
        const qint64 room = std::min(kPiece, limit + 1 - had);
        bytes.resize(had + room);
        const qint64 got = file.read(bytes.data() + had, room);
        // A read that fails half-way must not pass for a shorter file.
        if (got < 0) {
            throw unreadableFileError(path, file.errorString());
        }
        bytes.resize(had + got);
        if (bytes.size() > limit) {
            throw tooLargeFileError(path, limit);
        }
        if (got == 0) {
            return bytes;
        }
    }
}

}  // namespace sorvik::platform
