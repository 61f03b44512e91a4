#include "program_folder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#include "atomic_file.h"
#include "errors.h"
#include "file_names.h"

namespace sorvik::platform {

namespace {

bool holdsData(const QString& folder, const QString& marker) {
    return !folder.isEmpty() && QFileInfo(findFileIgnoringCase(folder, marker)).isFile();
}

// The subfolder of that name, spelled as it already is, or made.
QString subfolderIgnoringCase(const QString& folder, const QString& name) {
    const QDir dir(folder);
    for (const QString& entry : dir.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        if (entry.compare(name, Qt::CaseInsensitive) == 0) {
            return dir.filePath(entry);
        }
    }
    return dir.filePath(name);
}

void makeFolder(const QString& folder) {
    if (!QDir().mkpath(folder)) {
        throw FileError(QStringLiteral("データフォルダ『%1』を作成できませんでした。").arg(folder));
    }
}

void copyMissing(const QString& from, const QString& to, const QString& relative,
                 QStringList& copied) {
    const QDir source(from);
    for (const QFileInfo& entry :
         source.entryInfoList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name)) {
        const QString name = entry.fileName();
        if (entry.isDir()) {
            const QString target = subfolderIgnoringCase(to, name);
            makeFolder(target);
            copyMissing(entry.filePath(), target, relative + name + u'/', copied);
        } else if (!QFileInfo::exists(findFileIgnoringCase(to, name))) {
            writeFileAtomically(QDir(to).filePath(name), readWholeFile(entry.filePath()));
            copied.append(relative + name);
        }
    }
}

}  // namespace

ProgramFolderPlaces programFolderPlaces(const QString& executableFolder) {
    const QString generic = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    return {QDir(executableFolder).absolutePath(),
            QDir::cleanPath(QDir(executableFolder).filePath(QStringLiteral(SORVIK_SHIPPED_DATA))),
            generic.isEmpty() ? QString() : QDir(generic).filePath(QStringLiteral("sorvik"))};
}

QString chooseProgramFolder(const ProgramFolderPlaces& places, const QString& marker) {
    const QString executable = QDir(places.executable).absolutePath() + u'/';
    if (holdsData(places.executable, marker) && QFileInfo(places.executable).isWritable()) {
        return executable;
    }
    if (!holdsData(places.shipped, marker) || places.user.isEmpty()) {
        return executable;
    }
    makeFolder(places.user);
    copyMissingFiles(places.shipped, places.user);
    return QDir(places.user).absolutePath() + u'/';
}

QString programFolder(const QString& marker) {
    return chooseProgramFolder(programFolderPlaces(QCoreApplication::applicationDirPath()), marker);
}

QStringList copyMissingFiles(const QString& from, const QString& to) {
    QStringList copied;
    copyMissing(from, to, QString(), copied);
    return copied;
}

}  // namespace sorvik::platform
