#pragma once

#include <functional>

#include <QString>
#include <QStringList>

class QUrl;

namespace sorvik::platform {

// What the shell's "OPEN" verb did for the program: a program started with a file as its
// parameter, or a document or web address handed to the desktop's handler.
struct ShellResult {
    bool ok = false;
    QString message;  // the user's message when not ok
};

// Starts the program with the parameter in the working folder. A program that does not exist
// on this system (a Windows default such as "notepad.exe") is not a silent failure: the
// parameter is then opened with the desktop's default handler for it, and the Windows
// calculator stands for the desktop's own calculator.
ShellResult shellOpenProgram(const QString& program, const QString& parameter,
                             const QString& workingFolder);

// A document path or a web address ("http://…", "mailto:…") with the desktop's handler.
ShellResult shellOpenDocument(const QString& target);

// The program as it would be started here, or an empty string when none is found. Absolute
// and relative paths are tried as they are, then with any ".exe" dropped; bare names are
// looked up in the search path.
QString resolveProgram(const QString& program, const QString& workingFolder);

// The desktop's calculator found in the search path, or an empty string.
QString desktopCalculator();

// For tests: the two ways out to the desktop, so that nothing is started. Empty functions
// restore the real ones.
struct ShellDoors {
    std::function<bool(const QString& program, const QStringList& arguments, const QString& folder)>
        start;
    std::function<bool(const QUrl& url)> open;
};
void setShellDoors(ShellDoors doors);

}  // namespace sorvik::platform
