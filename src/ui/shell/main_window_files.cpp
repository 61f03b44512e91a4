// The File menu's name file commands, the recent files and the title that follows the file.
#include <QAction>
#include <QFileInfo>
#include <QMenu>

#include "app_context.h"
#include "main_window.h"
#include "name_file_commands.h"
#include "platform/prompts.h"
#include "ui/common/error_boundary.h"
#include "ui/common/wait_cursor.h"

namespace sorvik::ui {

using platform::Prompts;

namespace {

QString nameFileFilter() {
    return QString::fromUtf8(records::kNameFileFilter);
}

}  // namespace

bool TMainF::runFileCommand(const std::function<void()>& command) {
    return runUserCommand([&command] {
        const WaitCursor wait;
        command();
    });
}

void TMainF::showNameFileTitle(const QString& fileName) {
    setWindowTitle(applicationTitle() + QStringLiteral("  [") + fileName + u']');
}

void TMainF::newNameFile() {
    runFileCommand([this] { ui::newNameFile(context_.nameFiles()); });
}

void TMainF::openNameFile() {
    const QString folder =
        openDialogName_.isEmpty() ? context_.appDir() : QFileInfo(openDialogName_).absolutePath();
    const QString path = Prompts::openFileName(this, QString(), folder, nameFileFilter());
    if (!path.isEmpty()) {
        openGivenNameFile(path);
    }
}

void TMainF::openGivenNameFile(const QString& path) {
    openDialogName_ = path;
    runFileCommand([this, &path] { ui::loadNameFile(context_.nameFiles(), path); });
    // Also when the user kept the changed list or the file failed.
    recentFiles_.add(path);
    rebuildRecentFiles();
}

void TMainF::saveNameFile() {
    runFileCommand([this] { context_.nameFiles().SaveNameFile(currentNameFile()); });
}

void TMainF::saveNameFileAs() {
    const QString start = openDialogName_.isEmpty() ? context_.appDir() : openDialogName_;
    const QString path =
        Prompts::saveFileName(this, QString(), start, nameFileFilter(), QStringLiteral("nam"));
    if (path.isEmpty()) {
        return;
    }
    runFileCommand([this, &path] { context_.nameFiles().saveAs(path); });
}

void TMainF::openRecentFile(const QString& path) {
    if (path.isEmpty() || !QFileInfo(context_.nameFiles().resolveNamePath(path)).isFile()) {
        return;
    }
    // The file's folder must be one the program may enter; the process's working folder
    // stays where it is.
    if (path.contains(u'/') || path.contains(u'\\')) {
        const QFileInfo folder(
            QFileInfo(context_.nameFiles().resolveNamePath(path)).absolutePath());
        if (!folder.isDir() || !folder.isExecutable()) {
            Prompts::information(QStringLiteral("ファイルが開けませんでした。"));
        }
    }
    openDialogName_ = path;
    runFileCommand([this, &path] { ui::loadNameFile(context_.nameFiles(), path); });
}

void TMainF::loadStartupNameFile(const QString& given) {
    const QString name = given.isEmpty() ? defNameFile_ : given;
    if (!given.isEmpty()) {
        openDialogName_ = given;
    }
    runFileCommand([this, &name] { ui::loadNameFile(context_.nameFiles(), name); });
    recentFiles_.add(name);
    rebuildRecentFiles();
}

void TMainF::rebuildRecentFiles() {
    for (QAction* item : std::as_const(recentItems_)) {
        fileMenu_->removeAction(item);
        item->deleteLater();
    }
    recentItems_.clear();
    const QStringList paths = recentFiles_.merge();
    for (qsizetype i = 0; i < paths.size(); ++i) {
        QString caption = paths[i];
        caption.replace(u'&', QStringLiteral("&&"));
        auto* item = fileMenu_->addAction(QStringLiteral("&%1 %2").arg(i).arg(caption));
        item->setObjectName(QStringLiteral("RecentFile%1").arg(i));
        const QString path = paths[i];
        connect(item, &QAction::triggered, this, [this, path] { openRecentFile(path); });
        recentItems_.append(item);
    }
}

}  // namespace sorvik::ui
