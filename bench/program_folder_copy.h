#pragma once

// A copy of the program's folder in a temporary folder, so that a bench reads and writes
// nothing of the user's.

#include <QDir>
#include <QFile>
#include <QString>
#include <QTemporaryDir>

namespace sorvik::bench {

inline void copyFolder(const QString& from, const QString& to) {
    QDir().mkpath(to);
    const QDir source(from);
    for (const QString& name : source.entryList(QDir::Files)) {
        QFile::copy(source.filePath(name), QDir(to).filePath(name));
    }
    for (const QString& name : source.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        copyFolder(source.filePath(name), QDir(to).filePath(name));
    }
}

// binDir copied into dir; without the shipped calendar table, two months are enough to start.
inline void copyProgramFolder(const QString& binDir, const QTemporaryDir& dir) {
    copyFolder(binDir, dir.path());
    const QString calendar = QDir(dir.path()).filePath("INREKI.DAT");
    if (!QFile::exists(calendar)) {
        QFile file(calendar);
        file.open(QIODevice::WriteOnly);
        for (const qint32 value : {19000131, 1900, 1, 19000301, 1900, 2}) {
            file.write(reinterpret_cast<const char*>(&value), 4);
        }
    }
}

}  // namespace sorvik::bench
