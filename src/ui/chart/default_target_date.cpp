#include "default_target_date.h"

#include <QDateTime>

#include "platform/clock.h"
#include "platform/prompts.h"
#include "settings/system_settings.h"

namespace sorvik::ui {

engine::DateTime DefaultTargetDate(const settings::SystemSettings& settings,
                                   const engine::DateTime& birth) {
    const QDateTime clock = platform::Clock::now();
    const QDate day = clock.date();
    const QTime time = clock.time();
    const engine::DateTime now{{day.year(), day.month(), day.day()}, time.hour(), time.minute()};
    const settings::TargetDateChoice choice =
        settings::chooseDefaultTargetDate(settings, birth, now);
    if (choice.replacedByBirth) {
        platform::Prompts::beep();
        platform::Prompts::information(QString::fromUtf16(settings::kTargetDateOutOfRangeMessage));
    }
    return choice.moment;
}

}  // namespace sorvik::ui
