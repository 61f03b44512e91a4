#include "tools_dialog.h"

#include <QDir>
#include <QFileInfo>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

#include "platform/prompts.h"
#include "platform/shell_open.h"
#include "records/backup_files.h"
#include "tools_model.h"
#include "ui/help/help_window.h"

namespace sorvik::ui {

namespace {

using platform::Prompts;

constexpr int kFixedMenuItems = 2;
constexpr const char16_t* kFieldCaptions[] = {u"タイトル", u"プログラム", u"ファイル",
                                              u"実行時のﾃﾞｨﾚｸﾄﾘ"};
constexpr const char* kFieldNames[] = {"TitleE", "ProgE", "FileE", "DirE"};

}  // namespace

TTools::TTools(QString appDir, platform::KeyStore& keys, QMenu& toolsMenu, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowStaysOnTopHint),
      appDir_(std::move(appDir)),
      keys_(keys),
      menu_(toolsMenu),
      table_(settings::ToolsTable::load(keys)) {
    setObjectName(QStringLiteral("Tools"));
    setWindowTitle(QStringLiteral("ﾂｰﾙの設定"));

    model_ = new ToolsModel(table_, this);
    list_ = new QTableView(this);
    list_->setObjectName(QStringLiteral("SG1"));
    list_->setModel(model_);
    list_->setSelectionBehavior(QAbstractItemView::SelectRows);
    list_->setSelectionMode(QAbstractItemView::SingleSelection);
    list_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    list_->horizontalHeader()->setDefaultSectionSize(80);
    list_->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    // The last column takes the room its caption needs.
    list_->horizontalHeader()->setStretchLastSection(true);
    list_->verticalHeader()->setDefaultSectionSize(20);
    list_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    list_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    list_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    const int frame = 2 * list_->frameWidth();
    list_->setFixedHeight(list_->horizontalHeader()->sizeHint().height() +
                          20 * static_cast<int>(settings::ToolsTable::kRows) + frame);
    list_->setMinimumWidth(list_->verticalHeader()->sizeHint().width() + 80 * 3 +
                           list_->horizontalHeader()->sectionSizeHint(3) + frame);

    auto* form = new QFormLayout;
    for (std::size_t column = 0; column < fields_.size(); ++column) {
        auto* field = new QLineEdit(this);
        field->setObjectName(QString::fromLatin1(kFieldNames[column]));
        fields_[column] = field;
        form->addRow(QString::fromUtf16(kFieldCaptions[column]), field);
    }

    auto* addButton = new QPushButton(QStringLiteral("追加"), this);
    addButton->setObjectName(QStringLiteral("AddBtn"));
    auto* deleteButton = new QPushButton(QStringLiteral("削除"), this);
    deleteButton->setObjectName(QStringLiteral("DelBtn"));
    auto* browseButton = new QPushButton(QStringLiteral("参照"), this);
    browseButton->setObjectName(QStringLiteral("BrowseBtn"));
    auto* okButton = new QPushButton(QStringLiteral("OK"), this);
    okButton->setObjectName(QStringLiteral("OkBtn"));
    okButton->setDefault(true);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(addButton);
    buttons->addWidget(deleteButton);
    buttons->addWidget(browseButton);
    buttons->addStretch();
    buttons->addWidget(okButton);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(list_);
    layout->addLayout(form);
    layout->addLayout(buttons);

    connect(list_, &QTableView::pressed, this,
            [this](const QModelIndex& index) { selectRow(static_cast<std::size_t>(index.row())); });
    connect(addButton, &QPushButton::clicked, this, &TTools::add);
    connect(deleteButton, &QPushButton::clicked, this, &TTools::remove);
    connect(browseButton, &QPushButton::clicked, this, &TTools::browse);
    connect(okButton, &QPushButton::clicked, this, &TTools::accept);
    connectHelp(*this, appDir_, kHelpTopic);

    BuildToolsMenu();
}

void TTools::BuildToolsMenu() {
    const QList<QAction*> items = menu_.actions();
    for (qsizetype i = kFixedMenuItems; i < items.size(); ++i) {
        menu_.removeAction(items[i]);
        items[i]->deleteLater();
    }
    for (std::size_t row = 0; row < table_.toolCount(); ++row) {
        QString caption = table_.row(row).title;
        QAction* item = menu_.addAction(caption.replace(u'&', QStringLiteral("&&")));
        connect(item, &QAction::triggered, this, [this, row] { launch(row); });
    }
}

void TTools::selectRow(std::size_t row) {
    selected_ = row;
    list_->selectRow(static_cast<int>(row));
    const settings::Tool& tool = table_.row(row);
    const QString* const cells[] = {&tool.title, &tool.program, &tool.file, &tool.folder};
    for (std::size_t column = 0; column < fields_.size(); ++column) {
        fields_[column]->setText(*cells[column]);
    }
}

void TTools::add() {
    const settings::Tool tool{fields_[0]->text(), fields_[1]->text(), fields_[2]->text(),
                              fields_[3]->text()};
    if (tool.title.isEmpty()) {
        return;
    }
    if (!settings::ToolsTable::storable(tool)) {
        Prompts::beep();
        Prompts::information(QStringLiteral("ツールの設定には、カンマ（,）は使えません。"));
        return;
    }
    const std::size_t row = table_.toolCount();  // the first empty title takes it
    if (table_.add(tool)) {
        selected_ = row;
        tableChanged();
    }
}

void TTools::remove() {
    table_.remove(selected_);
    tableChanged();
}

void TTools::browse() {
    const QString path = Prompts::openFileName(this, QStringLiteral("ﾌﾟﾛｸﾞﾗﾑの選択"), appDir_,
                                               QStringLiteral("すべてのﾌｧｲﾙ (*)"));
    if (path.isEmpty()) {
        return;
    }
    fields_[1]->setText(QDir::toNativeSeparators(path));
    fields_[3]->setText(
        QDir::toNativeSeparators(records::withTrailingSlash(QFileInfo(path).absolutePath())));
}

void TTools::launch(std::size_t row) const {
    const settings::Tool& tool = table_.row(row);
    // Without a folder of its own a tool starts in the program's folder, where a file such as
    // Readme.txt is found.
    const QString folder =
        tool.folder.isEmpty() ? appDir_ : QDir::fromNativeSeparators(tool.folder);
    const platform::ShellResult result =
        platform::shellOpenProgram(tool.program, tool.file, folder);
    if (!result.ok) {
        Prompts::information(result.message);
    }
}

void TTools::done(int result) {
    table_.save(keys_);
    QDialog::done(result);
}

void TTools::tableChanged() {
    model_->refresh();
    selectRow(selected_);  // the fields show the highlighted row, never a row gone
    BuildToolsMenu();
}

void TTools::showEvent(QShowEvent* event) {
    selectRow(selected_);
    QDialog::showEvent(event);
}

}  // namespace sorvik::ui
