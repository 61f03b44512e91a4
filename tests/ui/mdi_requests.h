#pragma once

#include <QMdiArea>
#include <QMdiSubWindow>

#include "records/name_file.h"
#include "settings/system_settings.h"
#include "ui/chart/chart_window.h"
#include "ui/common/window_requests.h"
#include "ui/shell/name_file_commands.h"

namespace sorvik::ui::testing {

// The request service over a bare MDI area: chart windows only, found again by their person's
// name, and a count of the tilings a request would ask the frame for.
class MdiRequests : public WindowRequests {
  public:
    MdiRequests(QMdiArea& mdi, records::NameFileSession& session, const ChartServices& services)
        : mdi_(mdi), session_(session), services_(services) {}

    bool showOpen(PersonWindow, const QString& name) override {
        for (QMdiSubWindow* window : mdi_.subWindowList()) {
            const auto* chart = qobject_cast<TMeibF*>(window->widget());
            if (chart != nullptr && chart->document().person().name == name.toStdString()) {
                mdi_.setActiveSubWindow(window);
                return true;
            }
        }
        return false;
    }
    bool make(PersonWindow, const engine::BirthMoment& person) override {
        if (!addPerson(session_, QString::fromStdString(person.name),
                       QString::fromUtf8(engine::sexText(person.sex).data()),
                       QString::fromStdString(person.dateText),
                       QString::fromStdString(person.timeText))) {
            return false;
        }
        auto* chart = new TMeibF(services_);
        chart->setWindowTitle(ChartTitle(QString::fromStdString(person.name)));
        mdi_.addSubWindow(chart)->show();
        chart->RequestChart(person);
        tiles += services_.system.tileNewWindows() ? 1 : 0;
        return true;
    }
    bool offers(PersonWindow kind) const override { return kind == PersonWindow::Chart; }
    int tiles = 0;

  private:
    const engine::CalendarTable& calendar() const override { return services_.calendar; }

    QMdiArea& mdi_;
    records::NameFileSession& session_;
    const ChartServices& services_;
};

}  // namespace sorvik::ui::testing
