#pragma once

#include <memory>

#include <optional>

#include <QDateTime>
#include <QFont>
#include <QList>
#include <QString>

class QFileDialog;
class QMessageBox;
class QPrinter;
class QWidget;

namespace sorvik::platform {

// Every message box, file dialog and reading of the clock goes through here, so that a test
// can queue the answers instead of facing a modal window.
enum class BoxStyle { Information, Confirmation, Warning, Error };
// YesAllNoCancel adds "すべて上書き" (YesToAll) for a question asked once per file.
enum class BoxButtons { Ok, OkCancel, YesNo, YesNoCancel, YesAllNoCancel };
enum class Answer { Ok, Cancel, Yes, YesToAll, No };

struct ShownBox {
    BoxStyle style;
    BoxButtons buttons;
    QString title;
    QString text;
};

class Prompts {
  public:
    // A message box over the window that asked (the topmost modal one, else the active one),
    // so that it opens in front of it; the title defaults to the application's name.
    static Answer box(BoxStyle style, BoxButtons buttons, const QString& text,
                      const QString& title = {});
    static void error(const QString& text, const QString& title = {});
    static void information(const QString& text, const QString& title = {});
    static bool askYesNo(BoxStyle style, const QString& text, const QString& title = {});
    // The box that box() shows, its buttons reading はい, すべて上書き, いいえ, OK and キャンセル
    // whatever translation is loaded.
    static std::unique_ptr<QMessageBox> makeBox(BoxStyle style, BoxButtons buttons,
                                                const QString& text, const QString& title,
                                                QWidget* parent);

    // An empty result means the user cancelled.
    static QString openFileName(QWidget* parent, const QString& caption, const QString& folder,
                                const QString& filter);
    // A typed name without an extension gets defaultSuffix (when given); an existing file is
    // confirmed before it is chosen. The dialog opens with selectedFilter (one of the filter's
    // entries), or else the first.
    static QString saveFileName(QWidget* parent, const QString& caption, const QString& path,
                                const QString& filter, const QString& defaultSuffix = {},
                                const QString& selectedFilter = {});
    static QString folderName(QWidget* parent, const QString& caption, const QString& folder);
    // The dialog the three above show: its sizes, dates and types read Japanese.
    static std::unique_ptr<QFileDialog> makeFileDialog(QWidget* parent, const QString& caption,
                                                       const QString& folder,
                                                       const QString& filter);

    // The font dialog (platform/font_dialog.h) on the font; empty when the user cancelled. OK
    // without a change gives back the font itself.
    static std::optional<QFont> chooseFont(QWidget* parent, const QFont& font, bool scalableOnly);

    // The printer dialog, which sets up the printer; false when the user cancels.
    static bool choosePrinter(QPrinter& printer, QWidget* parent);

    // The default beep that begins a refusal; while scripting it is only counted.
    static void beep();
    static int beepCount();

    // For tests: from here on no modal window opens. Queued answers are used in order; a box
    // without a queued answer takes its first button (OK or Yes), a file dialog without one is
    // cancelled, and so is a printer dialog without a queued OK. Every box shown is recorded.
    static void startScripting();
    static void stopScripting();
    static bool scripting();
    static void queueAnswer(Answer answer);
    static void queueFileName(const QString& name);
    static QList<ShownBox> shownBoxes();  // oldest first
    // The fonts the font dialogs opened on, oldest first; a scripted font dialog takes a queued
    // Cancel as its cancel and anything else as OK without a change.
    static QList<QFont> offeredFonts();
    // The file or folder each file dialog opened on, oldest first.
    static QStringList proposedFileNames();
    static QStringList shownTexts();  // the texts of those boxes
    static void clearShownBoxes();
};

}  // namespace sorvik::platform
