#include "luck_graph.h"

#include <QCategoryAxis>
#include <QChart>
#include <QGraphicsLayout>
#include <QLegend>
#include <QLineSeries>
#include <QMouseEvent>
#include <QRubberBand>
#include <QValueAxis>

#include <algorithm>
#include <cmath>

namespace sorvik::ui {

namespace {

const QColor kAqua(0, 255, 255);
// Steps of the age labels, the first that leaves no more than kMostAgeTicks of them.
constexpr double kAgeSteps[] = {1, 2, 5, 10, 20};
constexpr double kMostAgeTicks = 12;
// A shorter drag is a click.
constexpr int kLeastDrag = 4;

QLineSeries* series(const QString& name, const QColor& colour) {
    auto* line = new QLineSeries;
    line->setName(name);
    line->setPen(QPen(colour, 2));
    return line;
}

}  // namespace

LuckGraph::LuckGraph(const strength::LuckPeriods& periods, const QFont& labelFont, QWidget* parent)
    : QChartView(parent) {
    setObjectName(QStringLiteral("Chart1"));
    setFrameShape(QFrame::NoFrame);
    setRenderHint(QPainter::Antialiasing);
    const QString hint = QString::fromUtf16(kHint);
    setToolTip(hint);
    setStatusTip(hint);

    auto* chart = new QChart;
    chart->setAnimationOptions(QChart::NoAnimation);
    chart->setBackgroundRoundness(0);
    chart->layout()->setContentsMargins(0, 0, 0, 0);  // the gradient reaches the edges
    chart->setMargins(QMargins(4, 4, 16, 4));         // room for the last age label
    QLinearGradient wall(0, 0, 0, 1);
    wall.setCoordinateMode(QGradient::ObjectBoundingMode);
    wall.setColorAt(0, Qt::white);
    wall.setColorAt(1, kAqua);
    chart->setBackgroundBrush(wall);
    chart->setPlotAreaBackgroundBrush(Qt::white);
    chart->setPlotAreaBackgroundVisible(true);
    chart->legend()->setAlignment(Qt::AlignTop);
    chart->legend()->setFont(labelFont);

    QLineSeries* major = series(QStringLiteral("大限"), Qt::red);
    QLineSeries* total = series(QStringLiteral("大限+小限+太歳"), Qt::blue);
    for (int i = 0; i < strength::kLuckAges; ++i) {
        const double age = periods.firstAge + i;
        major->append(age, periods.majorValues[static_cast<std::size_t>(i)]);
        total->append(age, periods.totals[static_cast<std::size_t>(i)]);
    }
    chart->addSeries(major);
    chart->addSeries(total);

    // The value axis formats its labels in Latin-1 only: the age texts are categories.
    ages_ = new QCategoryAxis;
    ages_->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
    ages_->setRange(periods.firstAge, periods.firstAge + strength::kLuckAges - 1);
    values_ = new QValueAxis;
    values_->setLabelFormat(QStringLiteral("%.1f"));
    const auto [low, high] =
        std::minmax({*std::min_element(periods.majorValues.begin(), periods.majorValues.end()),
                     *std::max_element(periods.majorValues.begin(), periods.majorValues.end()),
                     *std::min_element(periods.totals.begin(), periods.totals.end()),
                     *std::max_element(periods.totals.begin(), periods.totals.end())});
    // A flat line still gets room above and below.
    values_->setRange(low < high ? low : low - 1, low < high ? high : high + 1);
    values_->applyNiceNumbers();
    for (QValueAxis* axis : {static_cast<QValueAxis*>(ages_), values_}) {
        axis->setLabelsFont(labelFont);
    }
    chart->addAxis(ages_, Qt::AlignBottom);
    chart->addAxis(values_, Qt::AlignLeft);
    for (QLineSeries* line : {major, total}) {
        line->attachAxis(ages_);
        line->attachAxis(values_);
    }
    setChart(chart);

    band_ = new QRubberBand(QRubberBand::Rectangle, viewport());
    connect(ages_, &QValueAxis::rangeChanged, this, &LuckGraph::labelAges);
    labelAges();
}

void LuckGraph::labelAges() {
    const double low = ages_->min();
    const double high = ages_->max();
    double step = kAgeSteps[0];
    for (const double candidate : kAgeSteps) {
        step = candidate;
        if ((high - low) / candidate <= kMostAgeTicks) {
            break;
        }
    }
    for (const QString& label : ages_->categoriesLabels()) {
        ages_->remove(label);
    }
    ages_->setStartValue(low);
    for (double age = std::ceil(low / step) * step; age <= high; age += step) {
        ages_->append(QString::number(static_cast<int>(age)) + QStringLiteral("歳"), age);
    }
}

void LuckGraph::zoomInto(const QRect& rect) {
    const QRectF area = QRectF(rect).intersected(chart()->plotArea());
    if (area.width() > 0 && area.height() > 0) {
        chart()->zoomIn(area);
    }
}

void LuckGraph::showWhole() {
    chart()->zoomReset();
}

bool LuckGraph::zoomed() const {
    return chart()->isZoomed();
}

void LuckGraph::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        QChartView::mousePressEvent(event);
        return;
    }
    dragStart_ = event->position().toPoint();
    dragging_ = true;
    band_->setGeometry(QRect(dragStart_, QSize()));
    band_->show();
}

void LuckGraph::mouseMoveEvent(QMouseEvent* event) {
    if (dragging_) {
        band_->setGeometry(QRect(dragStart_, event->position().toPoint()).normalized());
    }
    QChartView::mouseMoveEvent(event);
}

void LuckGraph::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton || !dragging_) {
        QChartView::mouseReleaseEvent(event);
        return;
    }
    dragging_ = false;
    band_->hide();
    const QPoint end = event->position().toPoint();
    if ((end - dragStart_).manhattanLength() < kLeastDrag) {
        return;
    }
    if (end.x() > dragStart_.x() && end.y() > dragStart_.y()) {
        zoomInto(QRect(dragStart_, end));
    } else {
        showWhole();
    }
}

}  // namespace sorvik::ui
