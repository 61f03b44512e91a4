#pragma once

#include <QString>

namespace sorvik::platform {

// File names of the program compare without regard to case (a user's files copied from
// elsewhere may be spelled "HosiSuu.Dat" or "HOSISUU.DAT"). Returns the path of the existing
// file in the folder whose name matches, or folder/name when there is none.
QString findFileIgnoringCase(const QString& folder, const QString& name);

}  // namespace sorvik::platform
