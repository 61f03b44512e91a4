#pragma once

#include "engine/date.h"

namespace sorvik::settings {
class SystemSettings;
}

namespace sorvik::ui {

// DefaultTargetDate: the target date the system settings choose, at the clock's now; when the
// birth moment replaces it, beeps and says so.
engine::DateTime DefaultTargetDate(const settings::SystemSettings& settings,
                                   const engine::DateTime& birth);

}  // namespace sorvik::ui
