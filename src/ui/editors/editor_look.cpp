#include "editor_look.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QStyle>
#include <QToolButton>

#include "ui/common/system_font.h"

namespace sorvik::ui {

namespace {

QToolButton* toolButton(QWidget* parent, const char* name, QStyle::StandardPixmap icon,
                        const QString& text, const QString& hint) {
    auto* button = new QToolButton(parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setIcon(parent->style()->standardIcon(icon));
    button->setText(text);
    button->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    button->setToolTip(hint);
    return button;
}

}  // namespace

QToolButton* makeListButton(QWidget* parent) {
    return toolButton(parent, "ListBtn", QStyle::SP_FileDialogDetailedView, QStringLiteral("一覧"),
                      QStringLiteral("一覧表示"));
}

QToolButton* makePreviewButton(QWidget* parent) {
    return toolButton(parent, "PrevBtn", QStyle::SP_FileDialogContentsView, QStringLiteral("印刷"),
                      QStringLiteral("印刷ﾌﾟﾚﾋﾞｭｰ"));
}

QToolButton* makeFontButton(QWidget* parent) {
    return toolButton(parent, "FontBtn", QStyle::SP_FileDialogListView, QStringLiteral("ﾌｫﾝﾄ"),
                      QStringLiteral("ﾌｫﾝﾄの変更"));
}

int fittedColumnWidth(const QAbstractItemView& view, int textWidth) {
    const int margin = view.style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, &view) + 1;
    return textWidth + 6 + 2 * margin;
}

void applyDescriptionFont(QWidget& memo, const settings::SystemSettings& system) {
    const settings::FontSetting& description = system.font(settings::kDescriptionFont);
    memo.setFont(toQFont(description));
    QPalette palette = memo.palette();
    palette.setColor(QPalette::Text, fontColour(description));
    memo.setPalette(palette);
}

}  // namespace sorvik::ui
