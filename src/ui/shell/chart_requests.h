#pragma once

#include <QObject>

#include "ui/chart/chart_window.h"

namespace sorvik::ui {

class AppContext;
class EntBar;
class TMainF;

// The entry bar in the main window's EntBar toolbar and the chart and luck windows it asks for,
// over the settings stores of the run. Made after the settings windows; lives as long as the
// main window.
class ChartRequests : public QObject {
    Q_OBJECT
  public:
    ChartRequests(TMainF& mainWindow, AppContext& context);

    EntBar& entryBar() const { return *bar_; }
    const ChartServices& chartServices() const { return chartServices_; }

  signals:
    // A chart window stands in the frame with its chart.
    void chartOpened(TMeibF& window);

  private:
    void makeChart(const engine::BirthMoment& person, const QString& title);
    void makeLuck(const engine::BirthMoment& person, const QString& title);
    void onFrameActivated();

    TMainF& main_;
    AppContext& context_;
    ChartServices chartServices_;
    EntBar* bar_ = nullptr;
};

}  // namespace sorvik::ui
