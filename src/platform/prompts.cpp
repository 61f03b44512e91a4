#include "prompts.h"

#include <algorithm>

#include <QAbstractButton>
#include <QApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QHeaderView>
#include <QMessageBox>
#include <QPrintDialog>
#include <QQueue>
#include <QTreeView>

#include "file_dialog_columns.h"
#include "font_dialog.h"
#include "message_box_fit.h"

namespace sorvik::platform {

namespace {

struct Script {
    bool active = false;
    QQueue<Answer> answers;
    QQueue<QString> fileNames;
    QList<ShownBox> shown;
    QList<QFont> fonts;
    QStringList proposed;
    int beeps = 0;
};

Script& script() {
    static Script instance;
    return instance;
}

Answer firstButton(BoxButtons buttons) {
    return buttons == BoxButtons::Ok || buttons == BoxButtons::OkCancel ? Answer::Ok : Answer::Yes;
}

QMessageBox::StandardButtons standardButtons(BoxButtons buttons) {
    switch (buttons) {
        case BoxButtons::Ok:
            return QMessageBox::Ok;
        case BoxButtons::OkCancel:
            return QMessageBox::Ok | QMessageBox::Cancel;
        case BoxButtons::YesNo:
            return QMessageBox::Yes | QMessageBox::No;
        case BoxButtons::YesNoCancel:
            return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
        case BoxButtons::YesAllNoCancel:
            return QMessageBox::Yes | QMessageBox::YesToAll | QMessageBox::No | QMessageBox::Cancel;
    }
    return QMessageBox::Ok;
}

QMessageBox::Icon icon(BoxStyle style) {
    switch (style) {
        case BoxStyle::Information:
            return QMessageBox::Information;
        case BoxStyle::Confirmation:
            return QMessageBox::Question;
        case BoxStyle::Warning:
            return QMessageBox::Warning;
        case BoxStyle::Error:
            return QMessageBox::Critical;
    }
    return QMessageBox::NoIcon;
}

constexpr std::pair<QMessageBox::StandardButton, const char16_t*> kButtonTexts[] = {
    {QMessageBox::Yes, u"はい"},          {QMessageBox::YesToAll, u"すべて上書き"},
    {QMessageBox::No, u"いいえ"},         {QMessageBox::Ok, u"OK"},
    {QMessageBox::Cancel, u"キャンセル"},
};

QString scriptedFileName(const QString& proposed) {
    Script& s = script();
    s.proposed.append(proposed);
    return s.fileNames.isEmpty() ? QString() : s.fileNames.dequeue();
}

}  // namespace

Answer Prompts::box(BoxStyle style, BoxButtons buttons, const QString& text, const QString& title) {
    const QString caption = title.isEmpty() ? QApplication::applicationName() : title;
    Script& s = script();
    if (s.active) {
        s.shown.append({style, buttons, caption, text});
        return s.answers.isEmpty() ? firstButton(buttons) : s.answers.dequeue();
    }
    // The topmost modal window is the one that asked; the active window is only what the
    // window manager last reported, and may still be none just after another box closed.
    QWidget* parent = QApplication::activeModalWidget();
    const std::unique_ptr<QMessageBox> message =
        makeBox(style, buttons, text, caption, parent ? parent : QApplication::activeWindow());
    switch (message->exec()) {
        case QMessageBox::Yes:
            return Answer::Yes;
        case QMessageBox::YesToAll:
            return Answer::YesToAll;
        case QMessageBox::No:
            return Answer::No;
        case QMessageBox::Cancel:
            return Answer::Cancel;
        default:
            return Answer::Ok;
    }
}

std::unique_ptr<QMessageBox> Prompts::makeBox(BoxStyle style, BoxButtons buttons,
                                              const QString& text, const QString& title,
                                              QWidget* parent) {
    // The messages break their lines with "\n\r", which a label would show as two breaks.
    QString shown = text;
    shown.replace(QStringLiteral("\n\r"), QStringLiteral("\n"));
    auto message =
        std::make_unique<QMessageBox>(icon(style), title, shown, standardButtons(buttons), parent);
    for (const auto& [which, label] : kButtonTexts) {
        if (QAbstractButton* button = message->button(which)) {
            button->setText(QString::fromUtf16(label));
        }
    }
    fitMessageBox(*message);
    return message;
}

void Prompts::error(const QString& text, const QString& title) {
    box(BoxStyle::Error, BoxButtons::Ok, text, title);
}

void Prompts::information(const QString& text, const QString& title) {
    box(BoxStyle::Information, BoxButtons::Ok, text, title);
}

bool Prompts::askYesNo(BoxStyle style, const QString& text, const QString& title) {
    return box(style, BoxButtons::YesNo, text, title) == Answer::Yes;
}

QString Prompts::openFileName(QWidget* parent, const QString& caption, const QString& folder,
                              const QString& filter) {
    if (script().active) {
        return scriptedFileName(folder);
    }
    const std::unique_ptr<QFileDialog> dialog = makeFileDialog(parent, caption, folder, filter);
    dialog->setFileMode(QFileDialog::ExistingFile);
    if (dialog->exec() != QDialog::Accepted || dialog->selectedFiles().isEmpty()) {
        return {};
    }
    return dialog->selectedFiles().front();
}

QString Prompts::saveFileName(QWidget* parent, const QString& caption, const QString& path,
                              const QString& filter, const QString& defaultSuffix,
                              const QString& selectedFilter) {
    if (script().active) {
        const QString name = scriptedFileName(path);
        // As the dialog would complete a name typed without an extension.
        if (!name.isEmpty() && !defaultSuffix.isEmpty() && QFileInfo(name).suffix().isEmpty()) {
            return name + u'.' + defaultSuffix;
        }
        return name;
    }
    const std::unique_ptr<QFileDialog> dialog = makeFileDialog(parent, caption, path, filter);
    dialog->setAcceptMode(QFileDialog::AcceptSave);
    dialog->setFileMode(QFileDialog::AnyFile);
    dialog->setDefaultSuffix(defaultSuffix);
    if (!selectedFilter.isEmpty()) {
        dialog->selectNameFilter(selectedFilter);
    }
    if (dialog->exec() != QDialog::Accepted || dialog->selectedFiles().isEmpty()) {
        return {};
    }
    return dialog->selectedFiles().front();
}

QString Prompts::folderName(QWidget* parent, const QString& caption, const QString& folder) {
    if (script().active) {
        return scriptedFileName(folder);
    }
    const std::unique_ptr<QFileDialog> dialog = makeFileDialog(parent, caption, folder, {});
    dialog->setFileMode(QFileDialog::Directory);
    dialog->setOption(QFileDialog::ShowDirsOnly);
    if (dialog->exec() != QDialog::Accepted || dialog->selectedFiles().isEmpty()) {
        return {};
    }
    return dialog->selectedFiles().front();
}

std::unique_ptr<QFileDialog> Prompts::makeFileDialog(QWidget* parent, const QString& caption,
                                                     const QString& folder, const QString& filter) {
    auto dialog = std::make_unique<QFileDialog>(parent, caption, folder, filter);
    dialog->setProxyModel(new FileDialogColumns(dialog.get()));
    // Qt sizes the detail columns for English texts; the Japanese ones would be cut short.
    if (auto* details = dialog->findChild<QTreeView*>(QStringLiteral("treeView"))) {
        const QFontMetrics metrics(details->font());
        const int margin = metrics.horizontalAdvance(QStringLiteral("MM"));
        QHeaderView* header = details->header();
        header->resizeSection(1,
                              metrics.horizontalAdvance(QStringLiteral("1,023 バイト")) + margin);
        header->resizeSection(
            2, metrics.horizontalAdvance(QStringLiteral("平文テキストドキュメント")) + margin);
        header->resizeSection(
            3, metrics.horizontalAdvance(QStringLiteral("2026/12/31 23:59")) + margin);
        dialog->resize(std::max(dialog->width(), 820), std::max(dialog->height(), 480));
    }
    return dialog;
}

std::optional<QFont> Prompts::chooseFont(QWidget* parent, const QFont& font, bool scalableOnly) {
    FontDialog dialog(font, scalableOnly, parent);
    Script& s = script();
    if (s.active) {
        s.fonts.append(dialog.shownFont());
        const bool cancelled = !s.answers.isEmpty() && s.answers.dequeue() == Answer::Cancel;
        return cancelled ? std::nullopt : std::optional<QFont>(dialog.chosenFont());
    }
    if (dialog.exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    return dialog.chosenFont();
}

bool Prompts::choosePrinter(QPrinter& printer, QWidget* parent) {
    if (script().active) {
        return !script().answers.isEmpty() && script().answers.dequeue() == Answer::Ok;
    }
    QPrintDialog dialog(&printer, parent);
    return dialog.exec() == QDialog::Accepted;
}

void Prompts::beep() {
    if (script().active) {
        ++script().beeps;
        return;
    }
    QApplication::beep();
}

int Prompts::beepCount() {
    return script().beeps;
}

void Prompts::startScripting() {
    script().active = true;
}

void Prompts::stopScripting() {
    script() = Script();
}

bool Prompts::scripting() {
    return script().active;
}

void Prompts::queueAnswer(Answer answer) {
    script().answers.enqueue(answer);
}

void Prompts::queueFileName(const QString& name) {
    script().fileNames.enqueue(name);
}

QList<ShownBox> Prompts::shownBoxes() {
    return script().shown;
}

QStringList Prompts::proposedFileNames() {
    return script().proposed;
}

QList<QFont> Prompts::offeredFonts() {
    return script().fonts;
}

QStringList Prompts::shownTexts() {
    QStringList texts;
    for (const ShownBox& box : script().shown) {
        texts.append(box.text);
    }
    return texts;
}

void Prompts::clearShownBoxes() {
    script().shown.clear();
}

}  // namespace sorvik::platform
