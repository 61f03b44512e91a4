#pragma once

#include <QObject>

#include "ui/chart/chart_window.h"
#include "ui/common/window_requests.h"

namespace sorvik::ui {

class AppContext;
class EntBar;
class TMainF;

// The request service of the run: makes the chart and luck windows in the main window's frame,
// finds them again by their person, and holds the entry bar in the EntBar toolbar. Made after
// the settings windows; lives as long as the main window.
class ChartRequests : public QObject, public WindowRequests {
    Q_OBJECT
  public:
    ChartRequests(TMainF& mainWindow, AppContext& context);

    EntBar& entryBar() const { return *bar_; }
    const ChartServices& chartServices() const { return chartServices_; }

    bool showOpen(PersonWindow kind, const QString& name) override;
    bool make(PersonWindow kind, const engine::BirthMoment& person) override;

  signals:
    // A chart window stands in the frame with its chart.
    void chartOpened(TMeibF& window);

  private:
    const engine::CalendarTable& calendar() const override;
    void makeChart(const engine::BirthMoment& person);
    void makeLuck(const engine::BirthMoment& person);
    void onFrameActivated();

    TMainF& main_;
    AppContext& context_;
    ChartServices chartServices_;
    EntBar* bar_ = nullptr;
};

}  // namespace sorvik::ui
