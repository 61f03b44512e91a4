#pragma once

#include <QObject>

#include "texts/live_texts.h"

namespace sorvik::ui {

class TMainF;

// The star and pattern texts of the run, read once at start-up where the description editors
// come in the start-up order; the views and the export read them from here. Lives as long as
// the main window.
class DescriptionTexts : public QObject {
    Q_OBJECT
  public:
    // Throws platform::FileError when a text file cannot be read.
    explicit DescriptionTexts(TMainF& mainWindow);

    static DescriptionTexts* of(const TMainF& mainWindow);

    texts::LiveTexts& lists() { return lists_; }

  private:
    texts::LiveTexts lists_;
};

}  // namespace sorvik::ui
