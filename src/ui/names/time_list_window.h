#pragma once

#include <QDate>
#include <QDialog>

#include "name_window_services.h"
#include "records/name_list.h"

namespace sorvik::ui {

class NameGrid;

// The time list "時間一覧入力": the thirteen two-hour slots of the entry bar's date with their
// summaries; a double click on a slot makes its chart. Made for each opening.
class TJListF : public QDialog {
    Q_OBJECT
  public:
    static constexpr int kHelpTopic = 3002;
    static constexpr QSize kSize{636, 314};

    TJListF(const NameWindowServices& services, const QDate& day, QWidget* parent = nullptr);

    NameGrid* grid() const { return grid_; }
    const records::NameList& timeSlots() const { return slots_; }
    // The chart of a slot, then the list closes.
    void chooseSlot(int row);

  protected:
    void resizeEvent(QResizeEvent* event) override;

  private:
    NameWindowServices services_;
    records::NameList slots_;
    NameGrid* grid_ = nullptr;
};

// The 時間 label of the entry bar: a date in the bar that reads and lies in the calendar opens
// the time list; otherwise the beep, the range message, and nothing opens.
void openTimeList(const NameWindowServices& services, QWidget* parent);

}  // namespace sorvik::ui
