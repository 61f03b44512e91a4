#pragma once

#include <memory>

#include <QByteArray>
#include <QString>

#include "platform/errors.h"

class QFile;
class QSaveFile;

namespace sorvik::platform {

// The one way a file of the user's is written: into a temporary file beside it, then renamed
// over it, so a crash or a full disk leaves the previous content intact; the folder is synced
// after the rename, and temporary copies that killed saves of this file left are removed.
// Only a regular file is replaced (or a new one made): any other kind of target is refused.
// Throws FileError.
void writeFileAtomically(const QString& path, const QByteArray& bytes);

// The same for a file written piece by piece: nothing replaces the file until commit(), and a
// writer dropped before it leaves the file as it was. Every member throws FileError.
class AtomicWriter {
  public:
    explicit AtomicWriter(const QString& path);
    ~AtomicWriter();
    AtomicWriter(const AtomicWriter&) = delete;
    AtomicWriter& operator=(const AtomicWriter&) = delete;

    void write(const QByteArray& bytes);
    void commit();

  private:
    FileError failed() const;

    QString path_;
    std::unique_ptr<QSaveFile> file_;
};

// Far above any name file, table or text file of the program (a million persons take some
// 250 MB), and below what would exhaust the memory.
inline constexpr qint64 kReadLimit = qint64(1) << 30;

// Reads a whole file; throws FileError when it cannot be opened or read, when it is no
// regular file (a folder, a pipe, a device) and when it holds more than `limit` bytes.
QByteArray readWholeFile(const QString& path, qint64 limit = kReadLimit);

// Opens the file named by `file` under the same refusals; for readers that take it in pieces.
void openForReading(QFile& file, qint64 limit = kReadLimit);
FileError unreadableFileError(const QString& path, const QString& reason);
FileError tooLargeFileError(const QString& path, qint64 limit);

}  // namespace sorvik::platform
