#include "clock.h"

namespace sorvik::platform {

namespace {

QDateTime& fixedNow() {
    static QDateTime fixed;
    return fixed;
}

}  // namespace

QDateTime Clock::now() {
    const QDateTime& fixed = fixedNow();
    return fixed.isValid() ? fixed : QDateTime::currentDateTime();
}

void Clock::setNow(const QDateTime& now) {
    fixedNow() = now;
}

}  // namespace sorvik::platform
