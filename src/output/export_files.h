#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// Where the exports go and how they are written. Nothing here asks or tells the user: the
// window that exports does, from what these return.
namespace sorvik::output {

inline const QString kOutputFolderMissingMessage = QStringLiteral(
    "指定したフォルダがありません。\n\r"
    "[システム設定][基本設定][出力時の保存ﾌｫﾙﾀﾞ]を確認してください。");
bool outputFolderExists(const QString& folder);
// The output folder is there, or it is the default one and has been made now; a folder the user
// named is never made.
bool outputFolderReady(const QString& folder, const QString& defaultFolder);

// The path of a file in the output folder.
QString outputPath(const QString& folder, const QString& fileName);

// Asked before an existing file is replaced: its name followed by the question (the text
// export asks "を上書きしますか？", the HTML export " を上書きしますか？").
inline const QString kTextOverwriteQuestion = QStringLiteral("を上書きしますか？");
inline const QString kHtmlOverwriteQuestion = QStringLiteral(" を上書きしますか？");
QString overwriteQuestion(const QString& path, const QString& question);

// A write through the atomic writer: done, or why not.
struct WriteOutcome {
    bool written = false;
    QString reason;  // what the file system said, empty when written
};
// The lines are written Shift-JIS with CR LF.
WriteOutcome writeExport(const QStringList& lines, const QString& path);
WriteOutcome writeExport(const QByteArray& bytes, const QString& path);
// path + " を書込できませんでした。", then the reason on a line of its own.
QString writeFailedMessage(const QString& path, const QString& reason);

}  // namespace sorvik::output
