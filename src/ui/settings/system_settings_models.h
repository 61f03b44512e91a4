#pragma once

#include <QAbstractTableModel>
#include <QStyledItemDelegate>

#include "settings/system_settings.h"

namespace sorvik::ui {

// The star display table (SG1) of the system settings: rows are the stars 1..129, row 0 of
// the store is the header. The show columns flip between 表示する and 表示しない.
class StarDisplayModel : public QAbstractTableModel {
    Q_OBJECT
  public:
    explicit StarDisplayModel(settings::SystemSettings& store, QObject* parent = nullptr);
    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

    void toggle(const QModelIndex& index);
    void setColour(int row, std::uint32_t value);
    void reload();

  private:
    settings::SystemSettings& store_;
};

// The 表示色 column: a swatch of the star's colour (the model's decoration) in place of its
// number, which is too wide for the column and stays in the hint.
class ColourSwatchDelegate : public QStyledItemDelegate {
    Q_OBJECT
  public:
    using QStyledItemDelegate::QStyledItemDelegate;
    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
};

// The info-row table (KCSG): rows 1..5 by columns 1..6, titles as headers.
class InfoRowModel : public QAbstractTableModel {
    Q_OBJECT
  public:
    explicit InfoRowModel(settings::SystemSettings& store, QObject* parent = nullptr);
    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    void reload();

  private:
    settings::SystemSettings& store_;
};

}  // namespace sorvik::ui
