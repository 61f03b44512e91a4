#include "item_editor.h"

#include <QComboBox>
#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>

#include "editor_look.h"
#include "ui/common/error_boundary.h"
#include "ui/help/help_window.h"

namespace sorvik::ui {

QString memoText(const QString& decoded) {
    QString text = decoded;
    return text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

ItemEditor::ItemEditor(const Words& words, const QString& appDir,
                       const settings::SystemSettings& system, QWidget* parent)
    : QDialog(parent), appDir_(appDir), system_(system) {
    setObjectName(QString::fromLatin1(words.objectName));
    setWindowTitle(words.caption);
    setModal(true);

    selector_ = new QComboBox(this);
    selector_->setObjectName(QStringLiteral("SelectCB"));
    selector_->setMaxVisibleItems(20);
    selector_->setMinimumWidth(140);
    selector_->installEventFilter(this);
    previous_ = new QPushButton(words.previous, this);
    previous_->setObjectName(QStringLiteral("PrevBtn"));
    next_ = new QPushButton(words.next, this);
    next_->setObjectName(QStringLiteral("NextBtn"));
    list_ = makeListButton(this);

    auto* selectorRow = new QHBoxLayout;
    selectorRow->addWidget(new QLabel(words.selectorLabel, this));
    selectorRow->addWidget(selector_);
    selectorRow->addWidget(previous_);
    selectorRow->addWidget(next_);
    selectorRow->addStretch();
    selectorRow->addWidget(list_);

    memo_ = new QPlainTextEdit(this);
    memo_->setObjectName(QStringLiteral("Memo1"));

    auto* closeButton = new QPushButton(QStringLiteral("閉じる"), this);
    closeButton->setObjectName(QStringLiteral("CloseBtn"));
    auto* helpButton = new QPushButton(QStringLiteral("ﾍﾙﾌﾟ(&H)"), this);
    helpButton->setObjectName(QStringLiteral("HelpBtn"));
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(closeButton);
    buttons->addWidget(helpButton);

    top_ = new QVBoxLayout;
    fields_ = new QVBoxLayout;
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top_);
    layout->addLayout(selectorRow);
    layout->addLayout(fields_);
    layout->addWidget(memo_, 1);
    layout->addLayout(buttons);

    connect(selector_, &QComboBox::currentIndexChanged, this,
            [this](int item) { runUserCommand([&] { showAndEnable(item); }); });
    connect(previous_, &QPushButton::clicked, this, &ItemEditor::previousItem);
    connect(next_, &QPushButton::clicked, this, &ItemEditor::nextItem);
    connect(list_, &QToolButton::clicked, this, [this] { runUserCommand([&] { openList(); }); });
    connect(closeButton, &QPushButton::clicked, this, &QDialog::accept);
    connectHelp(*this, appDir_, words.helpTopic, helpButton);
}

void ItemEditor::setItems(const QStringList& names) {
    const QSignalBlocker quiet(selector_);
    selector_->clear();
    selector_->addItems(names);
    selector_->setCurrentIndex(0);
}

int ItemEditor::currentItem() const {
    return selector_->currentIndex();
}

void ItemEditor::selectItem(int item) {
    {
        const QSignalBlocker quiet(selector_);
        selector_->setCurrentIndex(item);
    }
    runUserCommand([&] { showAndEnable(item); });
}

void ItemEditor::showAndEnable(int item) {
    previous_->setEnabled(item > 0);
    next_->setEnabled(item < selector_->count() - 1);
    showItem(item);
}

void ItemEditor::storeCurrent() {
    if (currentItem() >= 0) {
        runUserCommand([&] { storeItem(currentItem()); });
    }
}

void ItemEditor::previousItem() {
    storeCurrent();
    if (currentItem() > 0) {
        selectItem(currentItem() - 1);
    }
}

void ItemEditor::nextItem() {
    storeCurrent();
    if (currentItem() < selector_->count() - 1) {
        selectItem(currentItem() + 1);
    }
}

void ItemEditor::done(int result) {
    storeCurrent();
    runUserCommand([&] { writeFiles(); });
    QDialog::done(result);
}

void ItemEditor::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    runUserCommand([&] { activate(); });
    applyDescriptionFont(*memo_, system_);
}

bool ItemEditor::eventFilter(QObject* watched, QEvent* event) {
    if (watched == selector_ && event->type() == QEvent::FocusIn) {
        storeCurrent();
    }
    return QDialog::eventFilter(watched, event);
}

}  // namespace sorvik::ui
