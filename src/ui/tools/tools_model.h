#pragma once

#include <QAbstractTableModel>

#include "settings/tools_table.h"

namespace sorvik::ui {

// The tools table as the dialog's list: ten rows of title, program, file and folder.
class ToolsModel : public QAbstractTableModel {
    Q_OBJECT
  public:
    explicit ToolsModel(const settings::ToolsTable& table, QObject* parent = nullptr);

    void refresh();

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

  private:
    const settings::ToolsTable& table_;
};

}  // namespace sorvik::ui
