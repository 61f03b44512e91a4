#pragma once

#include <QFont>

namespace sorvik::ui {

// The program's designed faces; they are Windows fonts, so where they are missing they are
// mapped to the installed Japanese faces of the same kind.
inline constexpr char16_t kProportionalMincho[] = u"ＭＳ Ｐ明朝";
inline constexpr char16_t kProportionalGothic[] = u"ＭＳ Ｐゴシック";

void installFontSubstitutes();

// The face and size of the program's menus, bars and dialogs.
QFont defaultUiFont();

}  // namespace sorvik::ui
