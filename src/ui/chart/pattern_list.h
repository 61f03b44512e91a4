#pragma once

#include <QStringList>
#include <QWidget>

namespace sorvik::ui {

// KakuSG: the names of the patterns that hold, two to a row in five rows; only the first ten
// fit, the rest are kept but not shown.
class PatternList : public QWidget {
    Q_OBJECT
  public:
    static constexpr int kColumns = 2;
    static constexpr int kRows = 5;
    static constexpr int kColumnWidth = 60;
    static constexpr int kRowHeight = 16;

    explicit PatternList(QWidget* parent = nullptr);

    void setNames(const QStringList& names);
    // Drawn at the chart's zoom (1.0 = 100 %).
    void setZoom(double zoom);
    const QStringList& names() const { return names_; }
    // The text of a cell: name k sits at column k mod 2, row k div 2.
    QString cellText(int column, int row) const;
    // The names that show.
    QStringList shownNames() const { return names_.mid(0, kColumns * kRows); }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    QStringList names_;
    double zoom_ = 1.0;
};

}  // namespace sorvik::ui
