#include "system_font.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QStatusBar>
#include <QTabBar>
#include <QTabWidget>
#include <QTextEdit>
#include <QToolBar>

namespace sorvik::ui {

namespace {

void setFamily(QWidget& widget, const QString& family) {
    if (widget.font().family() == family) {
        return;  // setting an equal font still repaints
    }
    QFont font = widget.font();
    font.setFamily(family);
    widget.setFont(font);
}

bool takesFaceName(const QWidget* w) {
    return qobject_cast<const QLabel*>(w) || qobject_cast<const QLineEdit*>(w) ||
           qobject_cast<const QComboBox*>(w) || qobject_cast<const QAbstractButton*>(w) ||
           qobject_cast<const QGroupBox*>(w) || qobject_cast<const QTabWidget*>(w) ||
           qobject_cast<const QTabBar*>(w) || qobject_cast<const QStatusBar*>(w) ||
           qobject_cast<const QMenuBar*>(w) || qobject_cast<const QToolBar*>(w) ||
           qobject_cast<const QAbstractItemView*>(w) || qobject_cast<const QAbstractSpinBox*>(w);
}

}  // namespace

QFont toQFont(const settings::FontSetting& setting) {
    QFont font(setting.name);
    font.setPointSize(setting.size > 0 ? setting.size : 9);
    font.setBold(setting.style & settings::kBold);
    font.setItalic(setting.style & settings::kItalic);
    font.setUnderline(setting.style & settings::kUnderline);
    font.setStrikeOut(setting.style & settings::kStrikeOut);
    return font;
}

settings::FontSetting fromQFont(const QFont& font, std::uint32_t colour) {
    int style = 0;
    style |= font.bold() ? settings::kBold : 0;
    style |= font.italic() ? settings::kItalic : 0;
    style |= font.underline() ? settings::kUnderline : 0;
    style |= font.strikeOut() ? settings::kStrikeOut : 0;
    return {font.family(), font.pointSize(), style, colour};
}

QColor fontColour(const settings::FontSetting& setting) {
    return settings::colourFromWindows(setting.color);
}

void ApplySystemFont(QWidget& window, const settings::SystemSettings& settings,
                     bool skipFontSamples) {
    const QString family = settings.font(settings::kSystemFont).name;
    setFamily(window, family);
    const QFont description = toQFont(settings.font(settings::kDescriptionFont));
    for (QWidget* child : window.findChildren<QWidget*>()) {
        if (skipFontSamples && child->objectName().contains(u"Font")) {
            continue;
        }
        if (qobject_cast<QTextEdit*>(child) || qobject_cast<QPlainTextEdit*>(child)) {
            if (child->font() != description) {
                child->setFont(description);
            }
        } else if (takesFaceName(child)) {
            setFamily(*child, family);
        }
    }
}

}  // namespace sorvik::ui
