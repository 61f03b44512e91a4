#include "export_files.h"

#include <QDir>
#include <QFileInfo>

#include "platform/atomic_file.h"
#include "platform/errors.h"
#include "platform/text_file.h"

namespace sorvik::output {

bool outputFolderExists(const QString& folder) {
    return !folder.isEmpty() && QFileInfo(folder).isDir();
}

bool outputFolderReady(const QString& folder, const QString& defaultFolder) {
    if (outputFolderExists(folder)) {
        return true;
    }
    const auto same = [](const QString& a, const QString& b) {
        return QDir::cleanPath(QDir::fromNativeSeparators(a)) ==
               QDir::cleanPath(QDir::fromNativeSeparators(b));
    };
    return !folder.isEmpty() && same(folder, defaultFolder) && QDir().mkpath(folder) &&
           outputFolderExists(folder);
}

QString outputPath(const QString& folder, const QString& fileName) {
    return QDir(folder).filePath(fileName);
}

QString overwriteQuestion(const QString& path, const QString& question) {
    return QFileInfo(path).fileName() + question;
}

WriteOutcome writeExport(const QStringList& lines, const QString& path) {
    QByteArray bytes;
    try {
        bytes = platform::encodeSjisLines(lines);
    } catch (const platform::FileError& error) {
        return {false, error.message()};
    }
    return writeExport(bytes, path);
}

WriteOutcome writeExport(const QByteArray& bytes, const QString& path) {
    try {
        platform::writeFileAtomically(path, bytes);
    } catch (const platform::FileError& error) {
        return {false, error.message()};
    }
    return {true, {}};
}

QString writeFailedMessage(const QString& path, const QString& reason) {
    QString message = path + QStringLiteral(" を書込できませんでした。");
    if (!reason.isEmpty()) {
        message += u'\n' + reason;
    }
    return message;
}

}  // namespace sorvik::output
