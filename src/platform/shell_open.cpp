#include "shell_open.h"

#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QUrl>

namespace sorvik::platform {

namespace {

bool isRunnable(const QString& path) {
    const QFileInfo info(path);
    return info.isFile() && info.isExecutable();
}

QString dropExe(const QString& name) {
    return name.endsWith(QStringLiteral(".exe"), Qt::CaseInsensitive) ? name.chopped(4) : name;
}

QUrl targetUrl(const QString& target) {
    const QUrl url(target);
    // A one-letter scheme is a drive letter of a Windows path, not a scheme.
    if (url.isValid() && url.scheme().size() > 1) {
        return url;
    }
    return QUrl::fromLocalFile(QFileInfo(target).absoluteFilePath());
}

}  // namespace

QString resolveProgram(const QString& program, const QString& workingFolder) {
    QString name = QDir::fromNativeSeparators(program.trimmed());
    if (name.isEmpty()) {
        return {};
    }
    for (const QString& candidate : {name, dropExe(name)}) {
        if (candidate.contains(u'/')) {
            const QString path = QDir(workingFolder).absoluteFilePath(candidate);
            if (isRunnable(path)) {
                return path;
            }
        } else {
            const QString found = QStandardPaths::findExecutable(candidate);
            if (!found.isEmpty()) {
                return found;
            }
        }
    }
    return {};
}

ShellResult shellOpenProgram(const QString& program, const QString& parameter,
                             const QString& workingFolder) {
    const QString resolved = resolveProgram(program, workingFolder);
    if (!resolved.isEmpty()) {
        QStringList arguments;
        if (!parameter.isEmpty()) {
            arguments.append(parameter);
        }
        if (QProcess::startDetached(resolved, arguments, workingFolder)) {
            return {true, {}};
        }
    }
    if (!parameter.isEmpty()) {
        const QString document = QFileInfo(parameter).isRelative() && !workingFolder.isEmpty()
                                     ? QDir(workingFolder).filePath(parameter)
                                     : parameter;
        return shellOpenDocument(document);
    }
    return {false, QStringLiteral("『%1』を起動できませんでした。").arg(program)};
}

ShellResult shellOpenDocument(const QString& target) {
    if (QDesktopServices::openUrl(targetUrl(target))) {
        return {true, {}};
    }
    return {false, QStringLiteral("『%1』を開けませんでした。").arg(target)};
}

}  // namespace sorvik::platform
