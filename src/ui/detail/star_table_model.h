#pragma once

#include <vector>

#include <QAbstractTableModel>

#include "texts/palace_description.h"

namespace sorvik::ui {

// HSG: the rows of a palace's stars; the header ",級,吉凶,輝度,斗,五行,力量,星の性質" is row 0
// and the star's description is the ninth column, which the view hides.
class StarTableModel : public QAbstractTableModel {
    Q_OBJECT
  public:
    using QAbstractTableModel::QAbstractTableModel;

    void setRows(std::vector<texts::StarTableRow> rows);
    const std::vector<texts::StarTableRow>& rows() const { return rows_; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

  private:
    std::vector<texts::StarTableRow> rows_;
};

}  // namespace sorvik::ui
