#pragma once

#include <QString>
#include <QStringList>

namespace sorvik::platform {

// The three places the program's folder (AppDir) may come from.
struct ProgramFolderPlaces {
    QString executable;  // the executable's own folder
    QString shipped;     // the data files as installed, <prefix>/share/sorvik
    QString user;        // the user's own data folder
};

// For an executable in the given folder: the installed data beside it (relative, so that an
// unpacked package works wherever it lies) and the user's data folder of the program named
// "sorvik" (what QStandardPaths::AppDataLocation gives for it, whatever name the process has).
ProgramFolderPlaces programFolderPlaces(const QString& executableFolder);

// The program's folder, with a trailing "/". The executable's folder when it holds the data
// files (the file named marker) and may be written, as a build folder or an unpacked copy
// does. Otherwise, when the shipped data is there, the user's data folder, into which every
// shipped file that it lacks is copied first; a file the user has is never replaced. Without
// shipped data, the executable's folder still, so that the start-up names what is missing.
// Throws FileError when the user's folder cannot be made or filled.
QString chooseProgramFolder(const ProgramFolderPlaces& places, const QString& marker);

// The folder of the running program: chooseProgramFolder over its own places.
QString programFolder(const QString& marker);

// Copies every file below from that to lacks into to, keeping the subfolders; names compare
// without regard to case. Returns the copied files' paths relative to to.
QStringList copyMissingFiles(const QString& from, const QString& to);

}  // namespace sorvik::platform
