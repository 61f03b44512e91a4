#pragma once

#include <QString>

#include "engine/chart_request.h"

namespace sorvik::ui {

enum class PersonWindow { Chart, Luck };

// The one place that makes chart and luck windows. A window is found again by its person's
// name; a person is recorded in the name list before a window is made for them.
class WindowRequests {
  public:
    virtual ~WindowRequests() = default;

    // An open window of the kind for the name comes to the front (the most recently active of
    // several, in its normal state); false when there is none.
    virtual bool showOpen(PersonWindow kind, const QString& name) = 0;
    // Records the person and makes the window, tiling when the settings ask; false when the
    // person was not recorded (the user kept the stored one).
    virtual bool make(PersonWindow kind, const engine::BirthMoment& person) = 0;
    // Whether windows of the kind can be made at all; a command that would make none is off.
    virtual bool offers(PersonWindow) const { return true; }

    // The whole request for a person that was not typed: the open window, or the person
    // checked as the entry bar checks, recorded and the window made. A refusal beeps and shows
    // its reason, as there is no field to put the focus into.
    bool requestChart(const engine::BirthMoment& person);
    bool requestLuck(const engine::BirthMoment& person);

  private:
    bool request(PersonWindow kind, const engine::BirthMoment& person);
    // The calendar the entry is checked against.
    virtual const engine::CalendarTable& calendar() const = 0;
};

}  // namespace sorvik::ui
