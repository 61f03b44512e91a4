#include "shell_open.h"

#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QUrl>

namespace sorvik::platform {

namespace {

ShellDoors& doors() {
    static ShellDoors instance;
    return instance;
}

bool startProgram(const QString& program, const QStringList& arguments, const QString& folder) {
    if (doors().start) {
        return doors().start(program, arguments, folder);
    }
    return QProcess::startDetached(program, arguments, folder);
}

bool openUrl(const QUrl& url) {
    return doors().open ? doors().open(url) : QDesktopServices::openUrl(url);
}

bool isRunnable(const QString& path) {
    const QFileInfo info(path);
    return info.isFile() && info.isExecutable();
}

QString dropExe(const QString& name) {
    return name.endsWith(QStringLiteral(".exe"), Qt::CaseInsensitive) ? name.chopped(4) : name;
}

bool isWindowsCalculator(const QString& program) {
    const QString name = QFileInfo(QDir::fromNativeSeparators(program.trimmed())).fileName();
    return name.compare(QStringLiteral("calc.exe"), Qt::CaseInsensitive) == 0 ||
           name.compare(QStringLiteral("calc"), Qt::CaseInsensitive) == 0;
}

QUrl targetUrl(const QString& target) {
    const QUrl url(target);
    // A one-letter scheme is a drive letter of a Windows path, not a scheme.
    if (url.isValid() && url.scheme().size() > 1) {
        return url;
    }
    return QUrl::fromLocalFile(QFileInfo(target).absoluteFilePath());
}

// Why the desktop could not open it, as far as can be told from here.
QString openFailure(const QUrl& url) {
    if (url.isLocalFile() && !QFileInfo::exists(url.toLocalFile())) {
        return QStringLiteral("ファイルがありません。");
    }
    if (QStandardPaths::findExecutable(QStringLiteral("xdg-open")).isEmpty()) {
        return QStringLiteral(
            "ファイルを開くデスクトップのプログラム（xdg-open）がインストールされていません。");
    }
    return QStringLiteral("このファイルを開くプログラムが、デスクトップに設定されていません。");
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

QString desktopCalculator() {
    for (const char* name : {"gnome-calculator", "kcalc", "galculator", "qalculate-gtk",
                             "qalculate-qt", "mate-calc", "xfce4-calculator", "xcalc"}) {
        const QString found = QStandardPaths::findExecutable(QString::fromLatin1(name));
        if (!found.isEmpty()) {
            return found;
        }
    }
    return {};
}

ShellResult shellOpenProgram(const QString& program, const QString& parameter,
                             const QString& workingFolder) {
    QString resolved = resolveProgram(program, workingFolder);
    if (resolved.isEmpty() && isWindowsCalculator(program)) {
        resolved = desktopCalculator();
        if (resolved.isEmpty()) {
            return {false, QStringLiteral("電卓のプログラムがインストールされていません。\n"
                                          "（gnome-calculator、kcalc、galculator など）")};
        }
    }
    if (!resolved.isEmpty()) {
        QStringList arguments;
        if (!parameter.isEmpty()) {
            arguments.append(parameter);
        }
        if (startProgram(resolved, arguments, workingFolder)) {
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
    const QUrl url = targetUrl(target);
    if (openUrl(url)) {
        return {true, {}};
    }
    return {false,
            QStringLiteral("『%1』を開けませんでした。\n%2")
                .arg(url.isLocalFile() ? QDir::toNativeSeparators(url.toLocalFile()) : target,
                     openFailure(url))};
}

void setShellDoors(ShellDoors given) {
    doors() = std::move(given);
}

}  // namespace sorvik::platform
