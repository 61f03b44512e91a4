#pragma once

#include <functional>
#include <memory>

#include <QString>
#include <QStringList>

class QApplication;

namespace sorvik::platform {
class KeyStore;
}

namespace sorvik::ui {

// The data files that must stand beside the program before anything else, in the order they
// are looked for. The help is the folder of help pages.
QStringList requiredDataFiles();

// Looks for every required file and brings the per-palace description files to 131 lines.
// Returns the message for the first file that is missing ("<name>が、ありません。") or is no
// file ("<name>は、ファイルではありません。"), or an empty string when all is in place. A
// description file that cannot be read or written throws platform::FileError.
QString checkDataFiles(const QString& appDir);

class TMainF;

// The windows that live for the whole run, created in this order after the main window: each
// reads what the one before it has set up. splashDone runs where the splash is to end.
void createLongLivedWindows(TMainF& mainWindow, const std::function<void()>& splashDone = {});

// From the data-file checks to the windows that live for the whole run. Whatever fails on the
// way (a missing, unreadable or damaged file) ends in the error box that names it; the result
// is then null and the process is to end.
std::unique_ptr<TMainF> startSorvik(const QString& appDir, platform::KeyStore& keys,
                                    bool withSplash);

// The program from its start to the end of the message loop; the process's exit code.
int runSorvik(QApplication& app);

}  // namespace sorvik::ui
