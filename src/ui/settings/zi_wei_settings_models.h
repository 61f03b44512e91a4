#pragma once

#include <QAbstractTableModel>

#include "settings/zi_wei_settings.h"

namespace sorvik::ui {

// One grid of the Zi Wei settings: SG1 or SG2 (stars by branches, names and branches as
// headers) or SG0 (label and value; its header rows are drawn apart and cannot be chosen).
class ZiWeiGridModel : public QAbstractTableModel {
    Q_OBJECT
  public:
    ZiWeiGridModel(settings::ZiWeiSettings& store, settings::Grid grid, QObject* parent = nullptr);
    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    void reload();

    // The model cell of a store cell (row and column as the store counts them).
    QModelIndex indexOfCell(int row, int column) const;
    settings::Grid grid() const { return grid_; }

  private:
    bool isNumbers() const { return grid_ == settings::Grid::Numbers; }

    settings::ZiWeiSettings& store_;
    settings::Grid grid_;
};

}  // namespace sorvik::ui
