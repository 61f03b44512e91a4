#pragma once

namespace sorvik::platform {

// Free system resources at or below the percentage. The resource pools this once guarded do
// not exist on the systems we run on, so there is never a shortage to report.
inline bool CheckFreeResources(int /*percent*/) {
    return false;
}

}  // namespace sorvik::platform
