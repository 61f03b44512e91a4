#pragma once

#include <array>

#include <QString>

#include "engine/catalogue.h"

namespace sorvik::settings {

// A star's place in a view is shown only where its cell holds 表示する.
inline constexpr auto kShown = u"表示する";
inline constexpr auto kNotShown = u"表示しない";

// The stars of the name list's summary ("一覧に表示", the last column of the keys SG1 + star
// number of section Sys) as a settings file holds them, for readers without the settings
// store; a missing file or key lists none. Throws platform::FileError for a file that exists
// but cannot be read.
std::array<bool, engine::kStarCount + 1> readListedStars(const QString& settingsFilePath);

}  // namespace sorvik::settings
