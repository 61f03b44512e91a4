#pragma once

#include <functional>
#include <memory>

#include <QString>
#include <QStringList>

class QApplication;

namespace sorvik::ui {

class AppContext;
class ChartRequests;
class NameWindows;
class SettingsWindows;
class TMainF;

// The data files that must stand beside the program before anything else, in the order they
// are looked for. The help is the folder of help pages.
QStringList requiredDataFiles();

// Looks for every required file and brings the per-palace description files to 131 lines.
// Returns the message for the first file that is missing ("<name>が、ありません。") or is no
// file ("<name>は、ファイルではありません。"), or an empty string when all is in place. A
// description file that cannot be read or written throws platform::FileError.
QString checkDataFiles(const QString& appDir);

// The services among the windows that live for the whole run. Each is a Qt child of the main
// window and goes with it.
struct LongLivedWindows {
    SettingsWindows& settings;
    ChartRequests& requests;
    NameWindows& names;
};

// The windows that live for the whole run, created in this order after the main window: each
// reads what the one before it has set up. splashDone runs where the splash is to end. The
// name list opens nameFile, or the start-up name file when it is empty.
LongLivedWindows createLongLivedWindows(TMainF& mainWindow, AppContext& context,
                                        const std::function<void()>& splashDone = {},
                                        const QString& nameFile = {});

// One run of the program. The main window is declared after the context, so that it and every
// window parented to it are gone before the stores and lists they refer to.
struct SorvikRun {
    ~SorvikRun();  // where the two types are complete
    std::unique_ptr<AppContext> context;
    std::unique_ptr<TMainF> mainWindow;
};

// From the data-file checks to the windows that live for the whole run, over the key store in
// keyStorePath. Whatever fails on the way (a missing, unreadable or damaged file) ends in the
// error box that names it; the result is then null and the process is to end. nameFile, when
// given, is opened in place of the start-up name file.
std::unique_ptr<SorvikRun> startSorvik(const QString& appDir, const QString& keyStorePath,
                                       bool withSplash, const QString& nameFile = {});

// The program from its start to the end of the message loop; the process's exit code.
int runSorvik();

}  // namespace sorvik::ui
