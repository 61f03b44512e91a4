#pragma once

#include <QAbstractTableModel>

#include "records/name_list.h"
#include "records/name_table.h"

namespace sorvik::ui {

// The persons of a NameList as a read-only table, following the list's changes without copying
// its rows. The headers are those of the name list.
class NameListModel : public QAbstractTableModel {
    Q_OBJECT
  public:
    NameListModel(records::NameList& list, const records::Headers& headers,
                  QObject* parent = nullptr);

    records::NameList& list() const { return list_; }
    const records::Headers& headers() const { return headers_; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

  private:
    records::NameList& list_;
    records::Headers headers_;
};

}  // namespace sorvik::ui
