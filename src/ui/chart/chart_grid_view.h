#pragma once

#include <functional>
#include <vector>

#include <QColor>
#include <QWidget>

#include "strength/chart_grid.h"

namespace sorvik::ui {

// The chart grid BSG: paints the cells of a ChartGrid with no grid lines of its own, only the
// separators between blocks and between star and info rows. Never selects cells.
class ChartGridView : public QWidget {
    Q_OBJECT
  public:
    static constexpr int kColumnWidth = 15;

    // rowHeights: one per grid row.
    ChartGridView(const strength::ChartGrid& grid, std::vector<int> rowHeights,
                  QWidget* parent = nullptr);

    // Background of a palace and colour of a star's text, asked at every paint.
    void setPalaceBackground(std::function<QColor(engine::Branch)> colour) {
        background_ = std::move(colour);
    }
    void setStarColour(std::function<QColor(int)> colour) { starColour_ = std::move(colour); }

    // The grid is laid out at 100 % and drawn at the zoom (1.0 = 100 %), so that every size
    // scales together and the text stays sharp.
    void setZoom(double zoom);
    double zoom() const { return zoom_; }

    // Sizes and rectangles of the layout at 100 %.
    int columnWidth(int column) const;
    int rowHeight(int row) const { return rowHeights_.at(static_cast<std::size_t>(row)); }
    QSize contentSize() const;
    // A cell's rectangle on the widget, at the zoom.
    QRect cellRect(int column, int row) const;
    // The cell under a point of the widget, or (-1, -1).
    QPoint cellAt(const QPoint& point) const;

  signals:
    void cellPressed(int column, int row, Qt::MouseButton button);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

  private:
    void drawStarCell(QPainter& painter, const QRect& rect, int column, int row) const;
    void drawInfoRow(QPainter& painter, int row) const;
    void drawSeparators(QPainter& painter, int column, int row, const QRect& rect) const;
    QRect layoutRect(int column, int row) const;
    int columnLeft(int column) const { return 1 + column * kColumnWidth; }
    int rowTop(int row) const { return rowTops_.at(static_cast<std::size_t>(row)); }

    const strength::ChartGrid& grid_;
    std::vector<int> rowHeights_;
    std::vector<int> rowTops_;
    std::function<QColor(engine::Branch)> background_;
    std::function<QColor(int)> starColour_;
    double zoom_ = 1.0;
};

}  // namespace sorvik::ui
