#include "dialog_buttons.h"

namespace sorvik::ui {

namespace {

QPushButton* makeButton(QWidget* parent, const QString& text, const char* name) {
    auto* button = new QPushButton(text, parent);
    button->setObjectName(QString::fromLatin1(name));
    return button;
}

}  // namespace

DialogButtons makeDialogButtons(QWidget* parent, PreviewButton preview) {
    DialogButtons buttons;
    buttons.layout = new QHBoxLayout;
    if (preview == PreviewButton::kWith) {
        buttons.preview = new QToolButton(parent);
        buttons.preview->setObjectName(QStringLiteral("PrevBtn"));
        buttons.preview->setText(QStringLiteral("印刷"));
        buttons.preview->setToolTip(QStringLiteral("印刷ﾌﾟﾚﾋﾞｭｰ"));
        buttons.layout->addWidget(buttons.preview);
    }
    buttons.ok = makeButton(parent, QStringLiteral("OK"), "OKBtn");
    buttons.cancel = makeButton(parent, QStringLiteral("ｷｬﾝｾﾙ"), "CancelBtn");
    buttons.help = makeButton(parent, QStringLiteral("ﾍﾙﾌﾟ(&H)"), "HelpBtn");
    buttons.layout->addStretch();
    buttons.layout->addWidget(buttons.ok);
    buttons.layout->addWidget(buttons.cancel);
    buttons.layout->addWidget(buttons.help);
    return buttons;
}

}  // namespace sorvik::ui
