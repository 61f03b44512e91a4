#pragma once

#include <QString>

#include "engine/errors.h"

namespace sorvik::platform {

// A file that cannot be read or written.
class FileError : public Error {
  public:
    explicit FileError(const QString& message) : Error(message.toStdString()) {}
    QString message() const { return QString::fromUtf8(what()); }
};

// A file that was read but holds what the program cannot use; the message names the file and
// the place in it.
class DamagedFileError : public FileError {
  public:
    using FileError::FileError;
};

// Text that has no Shift-JIS code and so cannot be stored in one of our files.
class EncodingError : public FileError {
  public:
    using FileError::FileError;
};

}  // namespace sorvik::platform
