#pragma once

class QAbstractItemView;
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

// A column fitted to its widest text: the text, 6 pixels of air and the cell's own margins,
// so that the view never shortens the text with "…".
int fittedColumnWidth(const QAbstractItemView& view, int textWidth);

// A memo of the editors takes the whole description font, colour included.
void applyDescriptionFont(QWidget& memo, const settings::SystemSettings& system);

}  // namespace sorvik::ui
