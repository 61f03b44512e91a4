#include "settings/target_date.h"

namespace sorvik::settings {

namespace {

constexpr long long kMinutesPerDay = 24 * 60;
// 150 years of 365.25 days.
constexpr long long kMaxTargetMinutes = 54787LL * kMinutesPerDay + kMinutesPerDay / 2;

long long minutesOf(const engine::DateTime& moment) {
    return engine::daysFromCivil(moment.date) * kMinutesPerDay + moment.hour * 60LL + moment.minute;
}

}  // namespace

bool isTargetWithinLifetime(const engine::DateTime& birth, const engine::DateTime& target) {
    const long long offset = minutesOf(target) - minutesOf(birth);
    return offset >= 0 && offset <= kMaxTargetMinutes;
}

}  // namespace sorvik::settings
