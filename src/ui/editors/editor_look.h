#pragma once

class QToolButton;
class QWidget;

namespace sorvik::settings {
class SystemSettings;
}

namespace sorvik::ui {

// The list button of the description editors (hint "一覧表示").
QToolButton* makeListButton(QWidget* parent);
// The print-preview button of the lists (hint "印刷ﾌﾟﾚﾋﾞｭｰ").
QToolButton* makePreviewButton(QWidget* parent);
// The font button of the lists.
QToolButton* makeFontButton(QWidget* parent);

// A memo of the editors takes the whole description font, colour included.
void applyDescriptionFont(QWidget& memo, const settings::SystemSettings& system);

}  // namespace sorvik::ui
