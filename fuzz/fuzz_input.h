#pragma once

#include <cstddef>
#include <cstdint>

#include <QByteArray>
#include <QFile>
#include <QString>

namespace sorvik::fuzz {

// The input as bytes, without a copy.
inline QByteArray bytesOf(const std::uint8_t* data, std::size_t size) {
    return QByteArray::fromRawData(reinterpret_cast<const char*>(data),
                                   static_cast<qsizetype>(size));
}

// Writes the input into the file a reader is to open.
inline void writeInput(const QString& path, const std::uint8_t* data, std::size_t size) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        __builtin_trap();
    }
    file.write(reinterpret_cast<const char*>(data), static_cast<qint64>(size));
}

}  // namespace sorvik::fuzz
