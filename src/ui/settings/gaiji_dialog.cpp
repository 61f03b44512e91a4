#include "gaiji_dialog.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "platform/prompts.h"
#include "settings/gaiji.h"
#include "ui/common/dialog_buttons.h"
#include "ui/common/error_boundary.h"
#include "ui/help/help_window.h"
#include "ui/shell/main_window.h"

namespace sorvik::ui {

TGaijiF::TGaijiF(QString appDir, platform::KeyStore& keys, QWidget* parent)
    : QDialog(parent), appDir_(std::move(appDir)), keys_(keys) {
    setObjectName(QStringLiteral("GaijiF"));
    setWindowTitle(QStringLiteral("特殊文字の設定"));
    setFixedSize(312, 217);

    // Our text is Unicode, so the missing character can simply be shown.
    auto* missing = new QLabel(QStringLiteral("煞"), this);
    missing->setObjectName(QStringLiteral("MissingChar"));
    QFont big = missing->font();
    big.setPointSize(22);
    missing->setFont(big);
    missing->setFixedSize(40, 40);
    missing->setAlignment(Qt::AlignCenter);
    missing->setFrameShape(QFrame::Box);

    edit1_ = new QLineEdit(this);
    edit1_->setObjectName(QStringLiteral("Edit1"));
    edit1_->setAttribute(Qt::WA_InputMethodEnabled, false);
    edit1_->setFixedWidth(52);

    panel1_ = new QLabel(this);
    panel1_->setObjectName(QStringLiteral("Panel1"));
    panel1_->setFixedSize(28, 28);
    panel1_->setAlignment(Qt::AlignCenter);
    panel1_->setAutoFillBackground(true);
    panel1_->setFrameShape(QFrame::Panel);
    panel1_->setFrameShadow(QFrame::Sunken);
    QPalette yellow = panel1_->palette();
    yellow.setColor(QPalette::Window, Qt::yellow);
    panel1_->setPalette(yellow);

    auto* sentence = new QHBoxLayout;
    sentence->setSpacing(4);
    sentence->addWidget(missing);
    sentence->addWidget(new QLabel(QStringLiteral("をS-JISｺｰﾄﾞ"), this));
    sentence->addWidget(edit1_);
    sentence->addWidget(new QLabel(QStringLiteral("の"), this));
    sentence->addWidget(panel1_);
    sentence->addWidget(new QLabel(QStringLiteral("で使用する"), this));
    sentence->addStretch();

    auto* button1 = new QPushButton(QStringLiteral("文字を確認"), this);
    button1->setObjectName(QStringLiteral("Button1"));
    auto* button2 = new QPushButton(QStringLiteral("ﾃﾞﾌｫﾙﾄ"), this);
    button2->setObjectName(QStringLiteral("Button2"));
    auto* tools = new QHBoxLayout;
    tools->addStretch();
    tools->addWidget(button1);
    tools->addWidget(button2);

    const DialogButtons buttons = makeDialogButtons(this, PreviewButton::kWithout);
    buttons.ok->setDefault(true);

    auto* layout = new QVBoxLayout(this);
    layout->addSpacing(12);
    layout->addLayout(sentence);
    layout->addSpacing(8);
    layout->addLayout(tools);
    layout->addStretch();
    layout->addLayout(buttons.layout);

    connect(button1, &QPushButton::clicked, this, &TGaijiF::preview);
    connect(button2, &QPushButton::clicked, this, &TGaijiF::setDefaultCode);
    connect(buttons.ok, &QPushButton::clicked, this, &TGaijiF::accept);
    connect(buttons.cancel, &QPushButton::clicked, this, &TGaijiF::reject);
    connectHelp(*this, appDir_, kHelpTopic, buttons.help);
}

QString SpecialChar(const platform::KeyStore& keys) {
    const settings::SjisCodeResult result =
        settings::ParseSjisCode(settings::storedSpecialCharCode(keys));
    if (!result.error.isEmpty()) {
        platform::Prompts::beep();
        platform::Prompts::information(result.error);
    }
    return result.character;
}

QString TGaijiF::previewText() const {
    return panel1_->text();
}

void TGaijiF::preview() {
    const settings::SjisCodeResult result = settings::ParseSjisCode(edit1_->text());
    if (!result.error.isEmpty()) {
        platform::Prompts::beep();
        platform::Prompts::information(result.error);
    }
    panel1_->setText(result.character);
}

void TGaijiF::setDefaultCode() {
    edit1_->setText(QString::fromLatin1(settings::kDefaultSpecialCharCode));
    preview();
}

void TGaijiF::showEvent(QShowEvent* event) {
    edit1_->setText(settings::storedSpecialCharCode(keys_));
    previousCode_ = edit1_->text();
    preview();
    QDialog::showEvent(event);
}

void TGaijiF::accept() {
    preview();
    done(Accepted);
}

void TGaijiF::reject() {
    edit1_->setText(previousCode_);
    preview();
    done(Rejected);
}

// The close box checks the code as it stands, so a code typed without a preview cannot slip out.
void TGaijiF::closeEvent(QCloseEvent* event) {
    event->ignore();
    preview();
    done(Rejected);
}

// Every way of closing comes here; an invalid code cannot leave.
void TGaijiF::done(int result) {
    if (previewText().isEmpty()) {
        return;
    }
    // A code that cannot be stored still lets the dialog close, with the message.
    runUserCommand([this] { settings::storeSpecialCharCode(keys_, edit1_->text()); });
    if (edit1_->text() != previousCode_) {
        platform::Prompts::beep();
        platform::Prompts::information(
            QStringLiteral(
                "『%1』を一旦終了後、\r\n再度、本ソフトを起動すると、変更された特殊文字が"
                "有効となります。")
                .arg(TMainF::applicationTitle()));
    }
    QDialog::done(result);
}

}  // namespace sorvik::ui
