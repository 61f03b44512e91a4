#pragma once

#include <QDialog>

#include "records/era_dates.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace sorvik::ui {

// The era-date entry "和暦変換入力": a birth date typed in a Japanese era, written into the
// entry bar's date box as a Gregorian date. Made for each opening.
class TWaEntF : public QDialog {
    Q_OBJECT
  public:
    static constexpr int kHelpTopic = 3003;

    TWaEntF(const QDate& today, const QString& appDir, QWidget* parent = nullptr);

    QComboBox* eraBox() const { return cb1_; }
    QLineEdit* dateBox() const { return ge1_; }
    QLabel* gregorianLabel() const { return label1_; }
    QPushButton* okButton() const { return ok_; }
    // The Gregorian day chosen; none while the box is blank.
    QDate value() const { return entry_.value(); }
    // Leaving the date box: read, rewrite in the day's era, read again.
    void leaveDateBox();

  private:
    void eraChanged();
    void textEdited();
    void showEntry();

    records::EraDateEntry entry_;
    QComboBox* cb1_ = nullptr;
    QLineEdit* ge1_ = nullptr;
    QLabel* label1_ = nullptr;
    QPushButton* ok_ = nullptr;
    bool updating_ = false;  // the dialog itself changes its widgets or tells a message
};

}  // namespace sorvik::ui
