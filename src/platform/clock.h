#pragma once

#include <QDateTime>

namespace sorvik::platform {

// The program's one clock: every "now" of the desktop program and the command line is read
// here, so that a test can fix the moment.
class Clock {
  public:
    static QDateTime now();
    // For tests; an invalid value returns to the real clock.
    static void setNow(const QDateTime& now);
};

}  // namespace sorvik::platform
