#pragma once

#include <array>
#include <span>
#include <vector>

#include <QObject>
#include <QString>

namespace sorvik::records {

// The persons of the current name file: one row per person, 38 text columns (name, sex, date,
// time, then the chart summaries). Rows are counted from 0 here; the list window adds its
// header row on top. An empty list still holds one row whose cells are all empty, and every
// operation that empties the list leaves it that way. The signals let a table model follow
// the changes without copying the rows.
class NameList : public QObject {
    Q_OBJECT
  public:
    static constexpr int kColumns = 38;
    static constexpr int kStoredColumns = 4;  // the rest are derived and never read back
    enum Column { kName = 0, kSex = 1, kDate = 2, kTime = 3 };
    using Row = std::array<QString, kColumns>;

    explicit NameList(QObject* parent = nullptr);

    int rowCount() const { return static_cast<int>(rows_.size()); }
    const Row& row(int index) const { return rows_.at(index); }
    const QString& cell(int row, int column) const { return rows_.at(row).at(column); }
    void setCell(int row, int column, const QString& text);
    // Sets the cells from `first` on with one change told.
    void setCells(int row, int first, std::span<const QString> texts);

    // No person: the one blank row.
    bool isEmpty() const { return rows_.size() == 1 && rows_.front()[kName].isEmpty(); }

    void clear();
    // Replaces every row at once; an empty vector gives the empty list.
    void reset(std::vector<Row> rows);
    // Appends a row and returns its index.
    int append(const Row& row);
    // Removes rows; removing the last person leaves the blank row.
    void removeRows(int first, int count);
    // Moves a block of rows so that it stands before row `before` (counted before the move).
    void moveRows(int first, int count, int before);
    // Puts the rows in a new order: row i becomes the old row order[i].
    void reorder(const std::vector<int>& order);

  signals:
    void aboutToReset();
    void wasReset();
    void aboutToAppend(int index);
    void appended(int index);
    void aboutToRemove(int first, int last);
    void removed(int first, int last);
    void rowChanged(int row);
    void aboutToMove(int first, int last, int before);
    void moved(int first, int last, int before);
    void aboutToReorder();
    void reordered();

  private:
    std::vector<Row> rows_;
};

}  // namespace sorvik::records
