#pragma once

#include "lunar_months.h"

namespace sorvik::lunartable {

// Computed once per test run: the astronomy is the slow part.
inline const LunarEvents& events1850To2150() {
    static const LunarEvents events = computeEvents(1850, 2150);
    return events;
}

}  // namespace sorvik::lunartable
