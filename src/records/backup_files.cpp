#include "backup_files.h"

#include <QDir>
#include <QFileInfo>
#include <QLocale>

#include "platform/atomic_file.h"
#include "platform/file_names.h"

namespace sorvik::records {

QString joinedExtensions(int kinds) {
    QString joined;
    for (std::size_t bit = 0; bit < kDataKinds.size(); ++bit) {
        if (kinds & (1 << bit)) {
            joined += QString::fromUtf16(kDataKinds[bit].extensions);
        }
    }
    return joined;
}

bool takesDataFile(const QString& fileName, const QString& joined) {
    const qsizetype dot = fileName.lastIndexOf(u'.');
    return dot >= 0 && joined.contains(fileName.mid(dot));
}

DataFileList ListDataFiles(const QString& folder, int kinds) {
    DataFileList list;
    const QDir dir(folder);
    list.folderExists = !folder.isEmpty() && dir.exists();
    if (!list.folderExists) {
        return list;
    }
    const QString joined = joinedExtensions(kinds);
    for (const QFileInfo& file : dir.entryInfoList(QDir::Files | QDir::Hidden, QDir::Name)) {
        if (takesDataFile(file.fileName(), joined)) {
            list.names << file.fileName();
            list.bytes += file.size();
        }
    }
    return list;
}

QString dataFilesStatus(const DataFileList& list) {
    if (!list.folderExists) {
        return QStringLiteral("媒体 or フォルダ がありません。");
    }
    // Thousands separators and two decimals, right-aligned in ten characters.
    const QString kilobytes =
        QLocale::c().toString(static_cast<double>(list.bytes) / 1024.0, 'f', 2);
    QString grouped = kilobytes;
    const qsizetype point = grouped.indexOf(u'.');
    for (qsizetype at = point - 3; at > 0; at -= 3) {
        grouped.insert(at, u',');
    }
    return QStringLiteral("【合計ファイル数：　%1】　　【容量：約%2 Ｋバイト】")
        .arg(list.names.size())
        .arg(grouped, 10);
}

QString withTrailingSlash(const QString& folder) {
    return folder.endsWith(u'/') ? folder : folder + u'/';
}

std::vector<DataFile> readDataFiles(const QString& folder, const QStringList& names) {
    std::vector<DataFile> files;
    files.reserve(static_cast<std::size_t>(names.size()));
    for (const QString& name : names) {
        files.push_back({name, platform::readWholeFile(QDir(folder).filePath(name))});
    }
    return files;
}

void writeDataFile(const QString& toFolder, const DataFile& file) {
    platform::writeFileAtomically(platform::findFileIgnoringCase(toFolder, file.name), file.bytes);
}

}  // namespace sorvik::records
