#include "backup_dialog.h"

#include <QCheckBox>
#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

#include "platform/atomic_file.h"
#include "platform/file_names.h"
#include "platform/key_store.h"
#include "platform/key_store_file.h"
#include "platform/program_key.h"
#include "platform/prompts.h"
#include "records/backup_files.h"
#include "ui/common/error_boundary.h"
#include "ui/help/help_window.h"
#include "ui/shell/main_window.h"

namespace sorvik::ui {

namespace {

using platform::BoxStyle;
using platform::Prompts;

const QString kKindsValue = QStringLiteral("CG1");
const QString kFolderValue = QStringLiteral("Edit1");
const QString kLineBreaks = QStringLiteral("\n\r\n\r");

QString backKey() {
    return platform::programKey(QStringLiteral("Back"));
}

QString defaultBackupFolder() {
    return QDir::home().filePath(QStringLiteral("BackUp"));
}

QLabel* statusLine(QWidget* parent, const char* name) {
    auto* label = new QLabel(parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setFrameShape(QFrame::Panel);
    label->setFrameShadow(QFrame::Sunken);
    label->setMinimumHeight(22);
    return label;
}

void tell(const QString& text) {
    Prompts::beep();
    Prompts::information(text);
}

// What a stopped copy tells: that it stopped, and which files it had copied by then.
QString cancelled(const QString& stopped, const QStringList& copied) {
    if (copied.isEmpty()) {
        return stopped + QStringLiteral("\n\nコピーしたファイルはありません。");
    }
    return stopped + QStringLiteral("\n\nコピーしたファイル（%1）：\n").arg(copied.size()) +
           copied.join(QStringLiteral("、"));
}

bool ask(const QString& text) {
    Prompts::beep();
    return Prompts::askYesNo(BoxStyle::Confirmation, text);
}

}  // namespace

TBackF::TBackF(QString appDir, platform::KeyStore& keys, std::function<void()> endProgram,
               QWidget* parent)
    : QDialog(parent), appDir_(std::move(appDir)), keys_(keys), endProgram_(std::move(endProgram)) {
    setObjectName(QStringLiteral("BackF"));
    setWindowTitle(QStringLiteral("ﾃﾞｰﾀﾊﾞｯｸｱｯﾌﾟ・ﾘｽﾄｱ"));

    auto* kindsBox = new QGroupBox(QStringLiteral("バックアップ・リストアするデータ"), this);
    kindsBox->setObjectName(QStringLiteral("CG1"));
    auto* kindsGrid = new QGridLayout(kindsBox);
    for (std::size_t bit = 0; bit < kindBoxes_.size(); ++bit) {
        auto* box = new QCheckBox(QString::fromUtf16(records::kDataKinds[bit].item), kindsBox);
        kindBoxes_[bit] = box;
        kindsGrid->addWidget(box, static_cast<int>(bit / 2), static_cast<int>(bit % 2));
        connect(box, &QCheckBox::toggled, this, &TBackF::refresh);
    }

    programFolder_ = new QLabel(this);
    programFolder_->setObjectName(QStringLiteral("AppDirLbl"));
    programFolder_->setAutoFillBackground(true);
    programFolder_->setStyleSheet(QStringLiteral("background-color: yellow; padding: 2px;"));
    programStatus_ = statusLine(this, "AppStatus");

    edit1_ = new QLineEdit(this);
    edit1_->setObjectName(QStringLiteral("Edit1"));
    auto* folderButton = new QToolButton(this);
    folderButton->setObjectName(QStringLiteral("FolderBtn"));
    folderButton->setText(QStringLiteral("..."));
    auto* folderRow = new QHBoxLayout;
    folderRow->addWidget(edit1_);
    folderRow->addWidget(folderButton);
    backupStatus_ = statusLine(this, "BackStatus");

    auto* backupButton = new QPushButton(QStringLiteral("バックアップ"), this);
    backupButton->setObjectName(QStringLiteral("BackupBtn"));
    auto* restoreButton = new QPushButton(QStringLiteral("リストア"), this);
    restoreButton->setObjectName(QStringLiteral("RestoreBtn"));
    auto* closeButton = new QPushButton(QStringLiteral("閉じる"), this);
    closeButton->setObjectName(QStringLiteral("CloseBtn"));
    auto* helpButton = new QPushButton(QStringLiteral("ﾍﾙﾌﾟ(&H)"), this);
    helpButton->setObjectName(QStringLiteral("HelpBtn"));
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(backupButton);
    buttons->addWidget(restoreButton);
    buttons->addStretch();
    buttons->addWidget(closeButton);
    buttons->addWidget(helpButton);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(kindsBox);
    layout->addSpacing(6);
    layout->addWidget(
        new QLabel(QStringLiteral("●Sorvikのインストールされているフォルダ："), this));
    layout->addWidget(programFolder_);
    layout->addWidget(programStatus_);
    layout->addSpacing(6);
    layout->addWidget(new QLabel(QStringLiteral("●バックアップ先のフォルダ："), this));
    layout->addLayout(folderRow);
    layout->addWidget(backupStatus_);
    layout->addSpacing(6);
    layout->addLayout(buttons);
    resize(480, 330);

    setKinds(
        keys_.readText(backKey(), kKindsValue, QString::number(records::kAllDataKinds)).toInt());
    edit1_->setText(
        QDir::toNativeSeparators(keys_.readText(backKey(), kFolderValue, defaultBackupFolder())));

    connect(edit1_, &QLineEdit::textChanged, this, &TBackF::refresh);
    connect(folderButton, &QToolButton::clicked, this, &TBackF::chooseFolder);
    connect(backupButton, &QPushButton::clicked, this,
            [this] { runUserCommand([this] { backup(); }); });
    connect(restoreButton, &QPushButton::clicked, this,
            [this] { runUserCommand([this] { restore(); }); });
    connect(closeButton, &QPushButton::clicked, this, &TBackF::accept);
    connectHelp(*this, appDir_, kHelpTopic, helpButton);
}

int TBackF::kinds() const {
    int mask = 0;
    for (std::size_t bit = 0; bit < kindBoxes_.size(); ++bit) {
        if (kindBoxes_[bit]->isChecked()) {
            mask |= 1 << bit;
        }
    }
    return mask;
}

void TBackF::setKinds(int kinds) {
    for (std::size_t bit = 0; bit < kindBoxes_.size(); ++bit) {
        kindBoxes_[bit]->setChecked((kinds & (1 << bit)) != 0);
    }
}

QString TBackF::backupStatus() const {
    return backupStatus_->text();
}

void TBackF::showEvent(QShowEvent* event) {
    refresh();
    QDialog::showEvent(event);
}

void TBackF::done(int result) {
    keys_.writeText(backKey(), kKindsValue, QString::number(kinds()));
    keys_.writeText(backKey(), kFolderValue, QDir::fromNativeSeparators(edit1_->text()));
    QDialog::done(result);
}

int TBackF::listInto(const QString& folder, QLabel* status) {
    const records::DataFileList list = records::ListDataFiles(folder, kinds());
    status->setText(records::dataFilesStatus(list));
    return static_cast<int>(list.names.size());
}

void TBackF::refresh() {
    programFolder_->setText(QDir::toNativeSeparators(appDir_));
    listInto(QDir::fromNativeSeparators(edit1_->text()), backupStatus_);
    listInto(appDir_, programStatus_);
}

void TBackF::chooseFolder() {
    const QString chosen =
        Prompts::folderName(this, QStringLiteral("バックアップ先のフォルダを指定してください。"),
                            QDir::fromNativeSeparators(edit1_->text()));
    if (!chosen.isEmpty()) {
        edit1_->setText(QDir::toNativeSeparators(records::withTrailingSlash(chosen)));
    }
}

QString TBackF::backupFolder() {
    const QString folder = records::withTrailingSlash(QDir::fromNativeSeparators(edit1_->text()));
    const QSignalBlocker quiet(edit1_);
    edit1_->setText(QDir::toNativeSeparators(folder));
    return folder;
}

CopyOutcome TBackF::copyFiles(const QString& from, const QStringList& names, const QString& to) {
    // Read whole before anything is asked or replaced, so that a file that cannot be read
    // stops the copy while both folders are still as they were.
    std::vector<records::DataFile> files = records::readDataFiles(from, names);
    const std::optional<QStringList> chosen = askOverwrites(names, to);
    if (!chosen) {
        return {};
    }
    std::erase_if(files,
                  [&](const records::DataFile& file) { return !chosen->contains(file.name); });
    return writeFiles(files, to, this);
}

void TBackF::backup() {
    const QString folder = backupFolder();
    if (listInto(appDir_, programStatus_) == 0) {
        tell(QStringLiteral("バックアップするファイルがありません。"));
        return;
    }
    if (!QFileInfo(folder).isDir()) {
        if (!ask(QStringLiteral("フォルダ がありません。作成しますか？"))) {
            return;
        }
        if (!QDir().mkdir(folder)) {
            tell(QStringLiteral("フォルダ作成に失敗しました。"));
            return;
        }
    }
    if (!ask(QStringLiteral("バックアップを実行してよろしいですか？"))) {
        return;
    }
    const records::DataFileList list = records::ListDataFiles(appDir_, kinds());
    programStatus_->setText(records::dataFilesStatus(list));
    const CopyOutcome copy = copyFiles(appDir_, list.names, folder);
    listInto(folder, backupStatus_);
    if (!copy.finished) {
        tell(cancelled(QStringLiteral("バックアップを中止しました。"), copy.copied));
        return;
    }
    platform::exportKeyStore(keys_, platform::findFileIgnoringCase(
                                        folder, QString::fromLatin1(platform::kKeyStoreFileName)));
    listInto(folder, backupStatus_);
    tell(QStringLiteral("バックアップが終了しました。"));
}

void TBackF::restore() {
    const QString folder = backupFolder();
    if (listInto(folder, backupStatus_) == 0) {
        tell(QStringLiteral("リストアするファイルがありません。"));
        return;
    }
    const QString title = TMainF::applicationTitle();
    if (!ask(QStringLiteral("現在編集中の内容は破棄され、内容を反映させる為、") + title +
             QStringLiteral("の再起動が必要となります。") + kLineBreaks +
             QStringLiteral("リストアを実行してよろしいですか？")) ||
        !ask(QStringLiteral("リストアを実行してよろしいですか？"))) {
        return;
    }
    const records::DataFileList list = records::ListDataFiles(folder, kinds());
    backupStatus_->setText(records::dataFilesStatus(list));
    const QString keyFile =
        platform::findFileIgnoringCase(folder, QString::fromLatin1(platform::kKeyStoreFileName));
    const bool withKeys =
        (kinds() & (1 << records::kRegistryDataKind)) != 0 && QFileInfo(keyFile).isFile();
    // Checked before any file is replaced; merged only once every file is back, so that files
    // and settings always come from the same backup.
    const std::vector<platform::KeyStoreValue> values =
        withKeys ? platform::parseKeyStoreText(platform::readWholeFile(keyFile),
                                               QFileInfo(keyFile).fileName())
                 : std::vector<platform::KeyStoreValue>{};
    const CopyOutcome copy = copyFiles(folder, list.names, appDir_);
    listInto(appDir_, programStatus_);
    if (!copy.finished) {
        QString text = cancelled(QStringLiteral("リストアを中止しました。"), copy.copied);
        if (withKeys) {
            text += QStringLiteral("\nレジストリデータは反映していません。");
        }
        tell(text);
        return;
    }
    if (withKeys) {
        platform::mergeKeyStore(keys_, values);
    }
    tell(QStringLiteral("リストアが終了しました。内容を反映させる為、") + kLineBreaks +
         QStringLiteral("一旦、") + title + QStringLiteral(" を終了しますので、") + kLineBreaks +
         QStringLiteral("再度、") + title + QStringLiteral("起動してください。"));
    if (endProgram_) {
        endProgram_();
    }
}

}  // namespace sorvik::ui
