#include "export_files.h"

#include <QDir>
#include <QFileInfo>

#include "platform/atomic_file.h"
#include "platform/errors.h"
#include "platform/prompts.h"
#include "platform/shell_open.h"
#include "platform/text_file.h"

namespace sorvik::output {

using platform::BoxStyle;
using platform::Prompts;

bool CheckOutputFolder(const QString& folder) {
    if (!folder.isEmpty() && QFileInfo(folder).isDir()) {
        return true;
    }
    Prompts::beep();
    Prompts::error(
        QStringLiteral("指定したフォルダがありません。\n\r"
                       "[システム設定][基本設定][出力時の保存ﾌｫﾙﾀﾞ]を確認してください。"));
    return false;
}

QString outputPath(const QString& folder, const QString& fileName) {
    return QDir(folder).filePath(fileName);
}

bool confirmOverwrite(const QString& path, const QString& question) {
    if (!QFileInfo::exists(path)) {
        return true;
    }
    Prompts::beep();
    return Prompts::askYesNo(BoxStyle::Confirmation,
                             QFileInfo(path).fileName() + question);
}

bool SaveAndOpen(const QStringList& lines, const QString& path, const QString& viewer,
                 const QString& workingFolder) {
    QByteArray bytes;
    try {
        bytes = platform::encodeSjisLines(lines);
    } catch (const platform::FileError&) {
        Prompts::error(path + QStringLiteral(" を書込できませんでした。"));
        return false;
    }
    return SaveAndOpen(bytes, path, viewer, workingFolder);
}

bool SaveAndOpen(const QByteArray& bytes, const QString& path, const QString& viewer,
                 const QString& workingFolder) {
    try {
        platform::writeFileAtomically(path, bytes);
    } catch (const platform::FileError&) {
        Prompts::error(path + QStringLiteral(" を書込できませんでした。"));
        return false;
    }
    const platform::ShellResult opened = platform::shellOpenProgram(viewer, path, workingFolder);
    if (!opened.ok && !opened.message.isEmpty()) {
        Prompts::information(opened.message);
    }
    return true;
}

}  // namespace sorvik::output
