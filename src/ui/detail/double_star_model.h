#pragma once

#include <optional>

#include <QAbstractTableModel>

#include "strength/double_stars.h"

namespace sorvik::ui {

// SouSG: 15 columns. Row 0 (the header) holds "双 星", "力量" and the total; rows 1..5 the
// relation names, their 力量 and their entries from column 2 on. Empty without an evaluation.
class DoubleStarModel : public QAbstractTableModel {
    Q_OBJECT
  public:
    static constexpr int kColumns = 15;
    static constexpr int kFirstEntryColumn = 2;

    using QAbstractTableModel::QAbstractTableModel;

    void setEvaluation(std::optional<strength::DoubleStarEvaluation> evaluation);
    const std::optional<strength::DoubleStarEvaluation>& evaluation() const { return evaluation_; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

  private:
    QString text(int relation, int column) const;

    std::optional<strength::DoubleStarEvaluation> evaluation_;
};

}  // namespace sorvik::ui
