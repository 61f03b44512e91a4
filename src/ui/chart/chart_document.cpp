#include "chart_document.h"

#include <QDate>

#include <algorithm>

#include "default_target_date.h"
#include "engine/errors.h"
#include "settings/system_settings.h"
#include "settings/zi_wei_settings.h"
#include "strength/palace_cells.h"

namespace sorvik::ui {

namespace {

// The same day and time a year away; 29 February becomes the 28th.
engine::DateTime shiftYear(const engine::DateTime& moment, int years) {
    engine::DateTime shifted = moment;
    shifted.date.year += years;
    const int length = QDate(shifted.date.year, shifted.date.month, 1).daysInMonth();
    shifted.date.day = std::min(shifted.date.day, length);
    return shifted;
}

}  // namespace

ChartDocument::ChartDocument(const ChartDocumentServices& services,
                             const strength::GridShape& shape, QObject* parent)
    : QObject(parent),
      services_(services),
      cellSettings_(services.system, services.ziwei),
      shape_(shape),
      grid_(shape) {}

bool ChartDocument::compute(const engine::BirthMoment& person) {
    const engine::DateTime birth = engine::BirthMomentOf(person);
    const engine::DateTime target = DefaultTargetDate(services_.system, birth);
    chart_ = engine::RequestChartBirth(services_.calendar, services_.names, person, target,
                                       {services_.ziwei, services_.ziwei.bodyStarRule()});
    person_ = person;
    target_ = target;
    const bool converted = applyTarget(target);
    refill();
    return converted;
}

bool ChartDocument::applyTarget(const engine::DateTime& target) {
    try {
        engine::ApplyTargetDate(chart_, services_.calendar, target);
    } catch (const engine::CalendarError&) {
        chart_.labels.ZNen = engine::formatTargetDate(target);
        chart_.record.narrowPalaceStarLists();
        yearlyKnown_ = false;
        return false;
    }
    yearlyKnown_ = true;
    targetHint_ = QStringLiteral("西暦") + QString::fromStdString(chart_.labels.ZNen) +
                  QStringLiteral("> ") + QString::fromStdString(chart_.target.lunarText);
    yearsDiffer_ = chart_.target.lunar.year != target_.date.year;
    if (yearsDiffer_) {
        targetHint_ += QStringLiteral(
            " ※西暦と旧暦の年が異なる期間ですので、運用にご注意下さい。詳細は、ヘルプファイル等を"
            "ご参照下さい。");
    }
    return true;
}

ChartDocument::TargetOutcome ChartDocument::stepTarget(TargetStep step) {
    const engine::DateTime next = step == kDefault
                                      ? DefaultTargetDate(services_.system, record().birthMoment)
                                      : shiftYear(target_, step == kPreviousYear ? -1 : 1);
    target_ = next;
    chart_.labels.ZNen = engine::formatTargetDate(next);
    TargetOutcome outcome = TargetOutcome::kOutsideTable;
    if (services_.calendar.inRange(next.date)) {
        outcome = applyTarget(next) ? TargetOutcome::kConverted : TargetOutcome::kNotConverted;
    } else {
        stepOutsideTable(step);
    }
    refill();
    return outcome;
}

// Past the ends of the calendar the year's stem and branch and the age still count on.
void ChartDocument::stepOutsideTable(TargetStep step) {
    chart_.monthlyLuckDates = {};
    if (!yearlyKnown_) {
        return;
    }
    engine::StarRow& header = chart_.record.header();
    engine::ConvertedMoment& target = chart_.target;
    if (step != kDefault) {
        const int by = step == kNextYear ? 1 : -1;
        header[engine::kHeaderAge] += by;
        target.yearStem = target.yearStem + by;
        target.yearBranch = target.yearBranch + by;
    }
    engine::SetTargetYearLabels(chart_.labels, header, target.yearStem, target.yearBranch);
    chart_.yearlyStarLists = engine::PlaceYearlyStars(target.yearStem, target.yearBranch);
    engine::WriteYearlyStars(chart_.yearlyStarLists, chart_.record.palaceStarLists);
    chart_.record.narrowPalaceStarLists();
}

void ChartDocument::selectPalace(engine::Branch palace) {
    chart_.record.selectedPalace = palace;
    if (yearlyKnown_) {
        strength::FillInfoRows(grid_,
                               {chart_.record, chart_.target.yearStem, chart_.monthlyLuckDates},
                               cellSettings_, services_.ziwei);
    }
    emit palaceSelected(palace);
}

void ChartDocument::refill() {
    engine::ChartRecord& record = chart_.record;
    if (yearlyKnown_) {
        strength::FillPalaceCells(grid_, record, chart_.placement.stars, chart_.target.yearStem,
                                  chart_.monthlyLuckDates, services_.names, cellSettings_,
                                  services_.ziwei);
    } else {
        // Without a target year there is nothing to put into the info rows.
        strength::FillStarCells(grid_, record, services_.names, cellSettings_);
        for (int star = 1; star <= engine::kStarCount; ++star) {
            record.rows[static_cast<std::size_t>(star)] =
                chart_.placement.stars[static_cast<std::size_t>(star)];
        }
    }
    emit changed();
}

}  // namespace sorvik::ui
