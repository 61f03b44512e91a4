#pragma once

#include <QObject>

#include "name_window_services.h"

namespace sorvik::ui {

class AppContext;
class EntBar;
class TMainF;
class TNListF;

// The name list of the run, shown by NListBtn, and the entry bar's two helpers: the era-date
// entry behind its 日付 label and the time list behind its 時間 label. Made after the entry
// bar; lives as long as the main window.
class NameWindows : public QObject {
    Q_OBJECT
  public:
    NameWindows(TMainF& mainWindow, AppContext& context, EntBar& entryBar);

    TNListF& nameList() const { return *list_; }
    // The 日付 label: the era-date entry, opening on today.
    void openEraEntry();
    void openTimeList();

  private:
    TMainF& main_;
    NameWindowServices services_;
    TNListF* list_ = nullptr;
};

}  // namespace sorvik::ui
