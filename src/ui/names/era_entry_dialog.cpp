#include "era_entry_dialog.h"

#include <utility>

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
    connect(ge1_, &QLineEdit::textEdited, this, &TWaEntF::textEdited);
    connect(ge1_, &QLineEdit::editingFinished, this, &TWaEntF::leaveDateBox);
    connect(ok_, &QPushButton::clicked, this, [this] {
        leaveDateBox();
        accept();
    });
}

void TWaEntF::showEntry() {
    const bool wasUpdating = std::exchange(updating_, true);
    cb1_->setCurrentIndex(entry_.era());
    if (ge1_->text() != entry_.valueText()) {
        ge1_->setText(entry_.valueText());
    }
    label1_->setText(entry_.gregorianLabel());
    updating_ = wasUpdating;
}

void TWaEntF::leaveDateBox() {
    // A box takes the focus from the date box, which then counts as left once more.
    if (updating_) {
        return;
    }
    updating_ = true;
    const QStringList messages = entry_.read(ge1_->text());
    // The mended date stands in the box before it is told, so nothing reads the old text.
    showEntry();
    for (const QString& message : messages) {
        platform::Prompts::error(message, QStringLiteral("エラー"));
    }
    updating_ = false;
}

void TWaEntF::eraChanged() {
    if (updating_) {
        return;
    }
    entry_.setEra(cb1_->currentIndex());
    if (entry_.readsAsDate(ge1_->text())) {
        leaveDateBox();
    }
    label1_->setText(entry_.gregorianLabel());
}

void TWaEntF::textEdited() {
    // Typed over digit by digit, the date is whole only once its last digit is in; a half-typed
    // year read in the selected era would move the era under the user's fingers.
    if (ge1_->cursorPosition() == ge1_->text().size() && entry_.readsAsDate(ge1_->text())) {
        leaveDateBox();
    }
    label1_->setText(entry_.gregorianLabel());
}

}  // namespace sorvik::ui
