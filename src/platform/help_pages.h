#pragma once

#include <QString>

namespace sorvik::platform {

// The help ships as HTML pages beside the program, one per topic number:
// AppDir/TQLX4.help/<topic>.html. Topic 1 is the contents.
inline constexpr int kHelpContentsTopic = 1;
QString helpFolderName();
QString helpPagePath(const QString& appDir, int topic);

}  // namespace sorvik::platform
