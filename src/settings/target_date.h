#pragma once

#include "engine/date.h"

namespace sorvik::settings {

inline constexpr auto kTargetDateOutOfRangeMessage =
    u"造命日時が0歳以前か150歳以上に指定されている為、造命日時を生年月日にします。";

// Whether a target date lies 0..150 years (of 365.25 days) after the birth, the range of ages
// a chart is made for.
bool isTargetWithinLifetime(const engine::DateTime& birth, const engine::DateTime& target);

}  // namespace sorvik::settings
