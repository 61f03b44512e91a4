#pragma once

#include <QAbstractTableModel>
#include <QTableView>

#include "strength/luck_periods.h"

namespace sorvik::ui {

// The luck table as a model: the ages (row 0) are the column headers and the captions
// (column 0) the row headers, so both stay in view while the ages scroll. It keeps its own copy.
class LuckTableModel : public QAbstractTableModel {
    Q_OBJECT
  public:
    LuckTableModel(const strength::LuckTable& table, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

  private:
    strength::LuckTable table_;
};

// The luck table (SG): 35-pixel columns, every text centred and set just below its cell's top.
class LuckTableView : public QTableView {
    Q_OBJECT
  public:
    static constexpr int kColumnWidth = 35;
    static constexpr int kTextTop = 2;

    LuckTableView(const strength::LuckTable& table, const QFont& font, QWidget* parent = nullptr);
};

}  // namespace sorvik::ui
