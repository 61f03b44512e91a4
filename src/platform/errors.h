#pragma once

#include <stdexcept>
#include <string>

#include <QString>

namespace sorvik::platform {

// A file that cannot be read or written. The message is Japanese and meant for the user.
class FileError : public std::runtime_error {
  public:
    explicit FileError(const QString& message) : std::runtime_error(message.toStdString()) {}
    QString message() const { return QString::fromUtf8(what()); }
};

// Text that has no Shift-JIS code and so cannot be stored in one of our files.
class EncodingError : public FileError {
  public:
    using FileError::FileError;
};

}  // namespace sorvik::platform
