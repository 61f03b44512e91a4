#pragma once

#include <QAbstractTableModel>
#include <QStringList>

#include "engine/calendar_table.h"

namespace sorvik::ui {

// Grid CG1 over the calendar table: 旧年, 月, 西暦日付 and 差日, one row per month. Rows of an
// odd lunar year are aqua and the 差日 column yellow; the view paints the selection.
class CalendarGridModel : public QAbstractTableModel {
    Q_OBJECT
  public:
    enum Column { Year, Month, Start, Gap, ColumnCount };

    explicit CalendarGridModel(const engine::CalendarTable& table, QObject* parent = nullptr);

    // After the table changed.
    void refresh();

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

  private:
    const engine::CalendarTable& table_;
    QStringList gaps_;
};

}  // namespace sorvik::ui
