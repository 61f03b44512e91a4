#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// The interpretation text files beside the executable. Names are written in the spelling
// below and found in any spelling, so files a user copied from elsewhere still load. Every
// write is atomic; read and write failures throw platform::FileError. Bytes that are no
// Shift-JIS character read as "〓" (the text stays storable); the readers give the numbers
// (from 1) of the lines that held them when asked.
namespace sorvik::texts {

inline constexpr int kStarLineCount = 129;    // SEISETUF.DAT: line k = star number k + 1
inline constexpr int kPatternLineCount = 39;  // KAKUKYOK.DAT: line k = pattern k
inline constexpr int kPalaceFileCount = 13;   // HSETUF1..12 by palace, HSETUF13 the luck periods
inline constexpr int kLuckPalaceFile = 13;
inline constexpr int kPalaceLineCount = 131;  // heading, stars 1..129, one unused line
inline constexpr int kCombinationFileCount = 12;

QString starFileName();                   // "SEISETUF.DAT"
QString patternFileName();                // "KAKUKYOK.DAT"
QString palaceFileName(int number);       // "HSETUF" + number + ".DAT", 1..13
QString combinationFileName(int number);  // "DSETUF" + number + ".DAT", 1..12
QString editorCopyFileName();             // "SETUFILE.DAT"

// The file of that name in the folder in whatever spelling it exists, else folder/name: a
// write then replaces the user's file instead of adding a second one beside it.
QString textFilePath(const QString& folder, const QString& name);

// The 129 star lines, still encoded. Lines the file lacks read as empty texts; lines beyond
// the 129th are ignored.
QStringList readStarLines(const QString& folder, QList<int>* unreadableLines = nullptr);
void writeStarLines(const QString& folder, const QStringList& lines);

// The 39 pattern lines, still encoded, padded and cut like the star lines.
QStringList readPatternLines(const QString& folder, QList<int>* unreadableLines = nullptr);
void writePatternLines(const QString& folder, const QStringList& lines);

// A palace file as it stands (line 0 the heading, line s star number s). Not padded: a file
// shorter than a star's number ends the star texts there.
QStringList readPalaceLines(const QString& folder, int number,
                            QList<int>* unreadableLines = nullptr);
void writePalaceLines(const QString& folder, int number, const QStringList& lines);

// SETUFILE.DAT: the palace editor's copy of the file it showed last, written as it closes.
void writeEditorCopy(const QString& folder, const QStringList& lines);

// Brings the palace file to 131 lines. The file is rewritten only when its stored bytes
// change; returns whether it was.
bool normalisePalaceFile(const QString& path);

// What the start-up tells when description files hold bytes that are no Shift-JIS character:
// one message naming every such file and its lines; empty when there are none. Files that are
// missing or cannot be read are left to their own readers.
QString unreadableTextsMessage(const QString& folder);

}  // namespace sorvik::texts
