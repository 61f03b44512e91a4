#pragma once

#include <QColor>
#include <QFont>

#include "settings/system_settings.h"

class QWidget;

namespace sorvik::ui {

QFont toQFont(const settings::FontSetting& setting);
settings::FontSetting fromQFont(const QFont& font, std::uint32_t colour);
QColor fontColour(const settings::FontSetting& setting);

// ApplySystemFont: the window and its controls take the face name of the system font (sizes and
// styles stay); text editors take the whole description font. The system settings dialog skips
// its font samples, whose names contain "Font".
void ApplySystemFont(QWidget& window, const settings::SystemSettings& settings,
                     bool skipFontSamples = false);

}  // namespace sorvik::ui
