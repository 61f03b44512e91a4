#include "app_fonts.h"

#include <QFontDatabase>
#include <QStringList>

namespace sorvik::ui {

namespace {

void substitute(const QString& designed, const QStringList& candidates) {
    if (QFontDatabase::hasFamily(designed)) {
        return;
    }
    QStringList installed;
    for (const QString& family : candidates) {
        if (QFontDatabase::hasFamily(family)) {
            installed.append(family);
        }
    }
    if (!installed.isEmpty()) {
        QFont::insertSubstitutions(designed, installed);
    }
}

}  // namespace

void installFontSubstitutes() {
    const QStringList mincho = {"IPAPMincho", "IPAMincho", "Noto Serif CJK JP"};
    const QStringList gothic = {"IPAPGothic", "IPAGothic", "Noto Sans CJK JP"};
    substitute(QString::fromUtf16(kProportionalMincho), mincho);
    substitute(QString::fromUtf16(kProportionalGothic), gothic);
    substitute(QStringLiteral("ＭＳ 明朝"), {"IPAMincho", "IPAPMincho"});
    substitute(QStringLiteral("ＭＳ ゴシック"), {"IPAGothic", "IPAPGothic"});
}

QFont defaultUiFont() {
    QFont font(QString::fromUtf16(kProportionalGothic));
    font.setPointSize(9);
    return font;
}

}  // namespace sorvik::ui
