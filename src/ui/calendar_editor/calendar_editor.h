#pragma once

#include <cstddef>

#include <QDialog>
#include <QString>

#include "engine/calendar_table.h"
#include "records/calendar_edit.h"

class QButtonGroup;
class QComboBox;
class QLabel;
class QLineEdit;
class QMenu;
class QTableView;

namespace sorvik::ui {

class CalendarGridModel;

// TKHyoF "暦の編集": adds a month before the first or after the last, changes or deletes a
// month of the calendar table in memory, and writes the table back with a backup. Edits are
// checked month by month before they enter the table. ｷｬﾝｾﾙ (or the close box, or declining
// the save) puts the table back as it was when the dialog opened, so the charts of the run
// never use a table that is not in the file.
class TKHyoF : public QDialog {
    Q_OBJECT
  public:
    static constexpr int kHelpTopic = 4005;

    TKHyoF(QString appDir, engine::CalendarTable& table, QWidget* parent = nullptr);

    records::CalendarEditMode mode() const;
    void setMode(records::CalendarEditMode mode);
    int monthLength() const;  // RG2: 29 or 30
    std::size_t selectedRow() const { return selected_; }
    // Selecting a row with the mouse: mode 2 and its proposal.
    void selectRow(std::size_t row);

    // The edit fields.
    QLineEdit* yearBox() const { return nenE_; }
    QComboBox* monthBox() const { return tukiE_; }
    QLineEdit* dateBox() const { return dateE_; }
    QTableView* grid() const { return cg1_; }

    // "暦追加・変更"; false when the edit was refused.
    bool applyEdit();
    // "最小日付１行削除", "最大日付１行削除" and the popup's "行削除".
    void deleteRow(std::size_t row);
    void deleteFirst();
    void deleteLast();
    // "暦ファイルを更新して閉じる"
    void save();
    void reject() override;  // ｷｬﾝｾﾙ

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    void propose();
    void refreshGrid();
    void showRange();
    void showRowMenu(const QPoint& position);

    QString appDir_;
    engine::CalendarTable& table_;
    engine::CalendarTable opened_;
    CalendarGridModel* model_ = nullptr;
    QTableView* cg1_ = nullptr;
    QLabel* minLbl_ = nullptr;
    QLabel* maxLbl_ = nullptr;
    QButtonGroup* rg1_ = nullptr;
    QButtonGroup* rg2_ = nullptr;
    QLineEdit* nenE_ = nullptr;
    QComboBox* tukiE_ = nullptr;
    QLineEdit* dateE_ = nullptr;
    QMenu* rowMenu_ = nullptr;
    std::size_t selected_ = 0;
    std::size_t menuRow_ = 0;
};

}  // namespace sorvik::ui
