#include "era_entry_dialog.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "platform/prompts.h"
#include "ui/help/help_window.h"

namespace sorvik::ui {

TWaEntF::TWaEntF(const QDate& today, const QString& appDir, QWidget* parent)
    : QDialog(parent), entry_(today) {
    setObjectName(QStringLiteral("WaEntF"));
    setWindowTitle(QStringLiteral("和暦変換入力"));
    setHelpTopic(*this, kHelpTopic);
    connectHelp(*this, appDir, kHelpTopic);

    cb1_ = new QComboBox(this);
    cb1_->setObjectName(QStringLiteral("CB1"));
    for (int era = 0; era < records::kEraCount; ++era) {
        cb1_->addItem(records::eraItem(era));
    }
    ge1_ = new QLineEdit(this);
    ge1_->setObjectName(QStringLiteral("GE1"));
    ge1_->setInputMask(QStringLiteral("99/99/99; "));
    ge1_->setAttribute(Qt::WA_InputMethodEnabled, false);
    ge1_->setFixedWidth(QFontMetrics(ge1_->font()).horizontalAdvance(QStringLiteral("00/00/000")) +
                        8);
    label1_ = new QLabel(this);
    label1_->setObjectName(QStringLiteral("Label1"));
    ok_ = new QPushButton(QStringLiteral("OK"), this);
    ok_->setDefault(true);

    auto* layout = new QGridLayout(this);
    layout->setContentsMargins(6, 4, 6, 4);
    layout->setHorizontalSpacing(6);
    layout->setVerticalSpacing(2);
    layout->addWidget(cb1_, 0, 0);
    layout->addWidget(ge1_, 0, 1);
    layout->addWidget(ok_, 0, 2, 2, 1);
    layout->addWidget(label1_, 1, 0, 1, 2);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    showEntry();
    connect(cb1_, &QComboBox::currentIndexChanged, this, &TWaEntF::eraChanged);
    connect(ge1_, &QLineEdit::textEdited, this, &TWaEntF::textChanged);
    connect(ge1_, &QLineEdit::editingFinished, this, &TWaEntF::leaveDateBox);
    connect(ok_, &QPushButton::clicked, this, [this] {
        leaveDateBox();
        accept();
    });
}

void TWaEntF::showEntry() {
    showing_ = true;
    cb1_->setCurrentIndex(entry_.era());
    if (ge1_->text() != entry_.valueText()) {
        ge1_->setText(entry_.valueText());
    }
    label1_->setText(entry_.gregorianLabel());
    showing_ = false;
}

void TWaEntF::leaveDateBox() {
    if (showing_) {
        return;
    }
    for (const QString& message : entry_.read(ge1_->text())) {
        platform::Prompts::error(message, QStringLiteral("エラー"));
    }
    showEntry();
}

void TWaEntF::eraChanged() {
    if (showing_) {
        return;
    }
    entry_.setEra(cb1_->currentIndex());
    textChanged();
}

void TWaEntF::textChanged() {
    if (entry_.readsAsDate(ge1_->text())) {
        leaveDateBox();
    }
    label1_->setText(entry_.gregorianLabel());
}

}  // namespace sorvik::ui
