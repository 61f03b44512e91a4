#pragma once

#include <QObject>
#include <QString>

#include "engine/chart_request.h"
#include "settings/live_cell_settings.h"
#include "strength/chart_grid.h"

namespace sorvik::settings {
class SystemSettings;
class ZiWeiSettings;
}  // namespace sorvik::settings

namespace sorvik::ui {

// What a chart computes with.
struct ChartDocumentServices {
    const engine::CalendarTable& calendar;
    const engine::StarDisplayNames& names;
    const settings::ZiWeiSettings& ziwei;
    const settings::SystemSettings& system;
};

// One open chart: the person, the computed chart at its target date, the filled palace grid
// and the selected palace. The chart window shows it; the palace detail, the exports and the
// printout read it.
class ChartDocument : public QObject {
    Q_OBJECT
  public:
    enum TargetStep { kPreviousYear = 0, kDefault = 1, kNextYear = 2 };
    // What became of a new target date: converted, in the table but not convertible, or past
    // the table's ends, where only the year's stem, branch and age count on.
    enum class TargetOutcome { kConverted, kNotConverted, kOutsideTable };

    // The grid shape is fixed for the document's life.
    ChartDocument(const ChartDocumentServices& services, const strength::GridShape& shape,
                  QObject* parent = nullptr);

    // The chart of the person at the default target date. False when that date cannot be
    // converted: the birth part stands, the yearly content is missing.
    bool compute(const engine::BirthMoment& person);
    // The target date a year back, a year on or at the default.
    TargetOutcome stepTarget(TargetStep step);
    void selectPalace(engine::Branch palace);
    // The cells again from the current settings, as after a change of them.
    void refill();

    const engine::BirthMoment& person() const { return person_; }
    const engine::Chart& chart() const { return chart_; }
    const engine::ChartRecord& record() const { return chart_.record; }
    const engine::ChartLabels& labels() const { return chart_.labels; }
    const strength::ChartGrid& grid() const { return grid_; }
    const strength::GridShape& shape() const { return shape_; }
    engine::DateTime targetDate() const { return target_; }
    engine::Branch selectedPalace() const { return chart_.record.selectedPalace; }
    bool yearlyContentKnown() const { return yearlyKnown_; }
    bool targetYearsDiffer() const { return yearsDiffer_; }
    // "西暦… > 旧暦…", with the warning when the two years differ; empty without a target.
    QString targetHint() const { return targetHint_; }

  signals:
    // The chart, its texts and its grid were filled again.
    void changed();
    // A palace was selected and its info rows refilled.
    void palaceSelected(engine::Branch palace);

  private:
    bool applyTarget(const engine::DateTime& target);
    void stepOutsideTable(TargetStep step);

    ChartDocumentServices services_;
    settings::LiveCellSettings cellSettings_;
    strength::GridShape shape_;
    strength::ChartGrid grid_;
    engine::BirthMoment person_;
    engine::Chart chart_;
    engine::DateTime target_;
    bool yearlyKnown_ = false;
    bool yearsDiffer_ = false;
    QString targetHint_;
};

}  // namespace sorvik::ui
