#pragma once

#include <QChartView>
#include <QPoint>

#include "strength/luck_periods.h"

class QCategoryAxis;
class QRubberBand;
class QValueAxis;

namespace sorvik::ui {

// The luck graph: the 大限 value and the total by age. Dragging from top left to bottom right
// zooms into the dragged rectangle; dragging the other way shows the whole graph again.
class LuckGraph : public QChartView {
    Q_OBJECT
  public:
    static constexpr auto kHint = u"左上から右下へドラッグすると、グラフ部分が拡大されます。";

    LuckGraph(const strength::LuckPeriods& periods, const QFont& labelFont,
              QWidget* parent = nullptr);

    // The rectangle in the view's coordinates, as a drag from its top left to its bottom
    // right gives it.
    void zoomInto(const QRect& rect);
    void showWhole();
    bool zoomed() const;
    QCategoryAxis* ageAxis() const { return ages_; }
    QValueAxis* valueAxis() const { return values_; }

  protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    // Age labels ("30歳") on whole years, as many as the shown range has room for.
    void labelAges();

    QCategoryAxis* ages_ = nullptr;
    QValueAxis* values_ = nullptr;
    QRubberBand* band_ = nullptr;
    QPoint dragStart_;
    bool dragging_ = false;
};

}  // namespace sorvik::ui
