#pragma once

#include <QByteArray>
#include <QString>

namespace sorvik::platform {

// The one way a file of the user's is written: into a temporary file beside it, then renamed
// over it, so a crash or a full disk leaves the previous content intact; the folder is synced
// after the rename, and temporary copies that killed saves of this file left are removed.
// Throws FileError.
void writeFileAtomically(const QString& path, const QByteArray& bytes);

// Reads a whole file; throws FileError when it cannot be opened or read.
QByteArray readWholeFile(const QString& path);

}  // namespace sorvik::platform
