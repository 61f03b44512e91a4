#pragma once

#include <QAbstractTableModel>
#include <QStringList>

namespace sorvik::engine {
class StarDisplayNames;
}

namespace sorvik::ui {

// The 129 stars with their fixed attributes and the live star texts (nature, and the
// description still encoded). Reads the live lines each time it is asked, so a stored edit
// shows at once.
class StarListModel : public QAbstractTableModel {
    Q_OBJECT
  public:
    enum Column { kNumber, kName, kGrade, kGoodBad, kDipper, kElement, kNature, kDescription };
    static constexpr int kColumnCount = 8;

    StarListModel(const engine::StarDisplayNames& names, const QStringList& starLines,
                  QObject* parent = nullptr);

    QString cell(int star, int column) const;  // star number 1..129

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

  private:
    const engine::StarDisplayNames& names_;
    const QStringList& starLines_;
};

}  // namespace sorvik::ui
