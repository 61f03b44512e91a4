#pragma once

#include <QString>
#include <QStringList>

// Where the exports go and how they are written and opened.
namespace sorvik::output {

// False, after the beep and the message, when the output folder does not exist.
bool CheckOutputFolder(const QString& folder);

// The path of a file in the output folder.
QString outputPath(const QString& folder, const QString& fileName);

// True when the file does not exist or the user agrees to overwrite it: beep, then the file
// name followed by the question (the text export asks "を上書きしますか？", the HTML export
// " を上書きしますか？").
bool confirmOverwrite(const QString& path, const QString& question);
inline const QString kTextOverwriteQuestion = QStringLiteral("を上書きしますか？");
inline const QString kHtmlOverwriteQuestion = QStringLiteral(" を上書きしますか？");

// Writes the lines (Shift-JIS, CR LF) through the atomic writer; then, unless no viewer is
// wanted, opens the file with the viewer program started in its working folder. False, after
// path + " を書込できませんでした。", when the file cannot be written.
bool SaveAndOpen(const QStringList& lines, const QString& path, const QString& viewer,
                 const QString& workingFolder);
bool SaveAndOpen(const QByteArray& bytes, const QString& path, const QString& viewer,
                 const QString& workingFolder);

}  // namespace sorvik::output
