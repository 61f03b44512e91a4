#pragma once

#include <QAbstractTableModel>
#include <QList>
#include <QStringList>

namespace sorvik::ui {

// What a description editor puts into the list: the heading row, the data rows (texts still
// encoded) and the fixed columns, drawn as headings.
struct DescriptionList {
    QStringList heading;
    QList<QStringList> rows;
    int fixedColumns = 1;
    QList<int> widths;  // every column but the last, which takes the remaining width
    bool fold = true;
};

class DescriptionListModel : public QAbstractTableModel {
    Q_OBJECT
  public:
    explicit DescriptionListModel(QObject* parent = nullptr) : QAbstractTableModel(parent) {}

    void setList(DescriptionList list);
    const DescriptionList& list() const { return list_; }
    void removeListRow(int row);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

  private:
    DescriptionList list_;
};

}  // namespace sorvik::ui
