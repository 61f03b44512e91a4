#pragma once

#include <array>
#include <vector>

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace sorvik::records {

// The kinds of data a backup takes, by bit of the stored mask, each with its extensions
// written one after another (".nam.NAM").
struct DataKind {
    const char16_t* item;
    const char16_t* extensions;
};
inline constexpr std::array<DataKind, 4> kDataKinds{{
    {u"名前データ(*.nam)", u".nam.NAM"},
    {u"編集データ(*.dat)", u".dat.DAT"},
    {u"設定データ(*.set,*.ini)", u".set.ini.SET.INI"},
    {u"レジストリデータ", u".reg.REG"},
}};
inline constexpr int kAllDataKinds = 15;
inline constexpr int kRegistryDataKind = 3;

// The extensions of the checked kinds joined in bit order.
QString joinedExtensions(int kinds);
// A file belongs when its extension (from the last dot, dot included) occurs anywhere in the
// joined string: "data.in" is taken with the settings kind. A file without one never is.
bool takesDataFile(const QString& fileName, const QString& joined);

// The files of a folder that belong to the checked kinds, by name, and their total size.
struct DataFileList {
    bool folderExists = false;
    QStringList names;
    qint64 bytes = 0;
};
DataFileList ListDataFiles(const QString& folder, int kinds);

// "【合計ファイル数：　n】　　【容量：約  1,234.56 Ｋバイト】", or "媒体 or フォルダ
// がありません。" for a folder that does not exist.
QString dataFilesStatus(const DataFileList& list);

// The folder with one "/" at its end.
QString withTrailingSlash(const QString& folder);

// A data file read whole, so that a copy can check every file before it replaces any.
struct DataFile {
    QString name;
    QByteArray bytes;
};

// Reads the named files of a folder; throws platform::FileError at the first that cannot be
// read.
std::vector<DataFile> readDataFiles(const QString& folder, const QStringList& names);

// Writes the file into a folder through the atomic writer, replacing a file of the same name
// in any spelling, so an interrupted copy never leaves a half-written file in its place.
// Throws platform::FileError.
void writeDataFile(const QString& toFolder, const DataFile& file);

}  // namespace sorvik::records
