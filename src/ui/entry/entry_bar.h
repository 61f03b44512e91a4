#pragma once

#include <functional>

#include <QWidget>

#include "engine/chart_request.h"
#include "name_box.h"
#include "records/birth_entry.h"
#include "records/name_list.h"
#include "ui/common/window_requests.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace sorvik::settings {
class SystemSettings;
}

namespace sorvik::ui {

// What the entry bar works with.
struct EntryBarServices {
    const engine::CalendarTable& calendar;
    const settings::SystemSettings& system;
    // The persons the name box offers.
    records::NameList& persons;
    // Finds, records and makes the windows the bar asks for.
    WindowRequests& requests;
};

// The entry bar EntBar: name, sex, birth date and time of one person and the chart and luck
// requests.
class EntBar : public QWidget {
    Q_OBJECT
  public:
    EntBar(const EntryBarServices& services, QWidget* parent = nullptr);

    // The chart request (命盤).
    void MeiBtnClick();
    // The luck request (行運).
    void KouBtnClick();
    bool ValidateEntry();
    void NowBtnClick();
    // As the name box drops down: no person marked, the text kept.
    void NameEDropDown();
    // A stored person picked in the name box.
    void pickPerson(int index);
    // Puts a person into the bar; the sex box takes the item equal to `sex` (none when there is
    // no such item).
    void fillEntry(const QString& name, const QString& sex, const QString& date,
                   const QString& time);
    // The date a dialog chose for the bar, written "yyyy/mm/dd".
    void setDateText(const QString& date);
    // What is typed now: the name, the chosen sex's text and the date.
    QString typedName() const;
    QString typedSex() const;
    QString typedDate() const;
    // Marks the date box for a date the bar's date commands cannot use.
    void refuseDate();
    // The name box takes the focus, where typing a new person begins; while a refused field is
    // marked, that field keeps it.
    void focusEntry();
    // The bar's person as the chart request reads it.
    engine::BirthMoment birthMoment() const;
    // SCB1 hides the luck button.
    void applySettings();
    // What a click on the 日付 and 時間 labels opens (the era-date entry, the time list). Until a
    // command is given a label offers no click: no hand cursor, nothing happens.
    void setLabelCommands(std::function<void()> dateLabel, std::function<void()> timeLabel);

    QComboBox* nameBox() const { return nameE_; }
    QComboBox* sexBox() const { return sex_; }
    QLineEdit* dateBox() const { return dateE_; }
    QLineEdit* timeBox() const { return timeE_; }
    QPushButton* chartButton() const { return meiBtn_; }
    QPushButton* luckButton() const { return kouBtn_; }
    QPushButton* nowButton() const { return nowBtn_; }
    // The field of the last refusal, marked until the next keystroke; null when none.
    QWidget* refusedField() const { return refused_; }

  signals:
    // A line for the main window's status bar: the reason of a refusal, or empty to clear it.
    void statusMessage(const QString& text);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    // A request: an open window of the person comes to the front, else the entry is checked,
    // the person recorded and the window made.
    void request(PersonWindow kind);
    // The control that holds the refused field.
    QWidget* fieldOf(records::EntryRefusal::Field field) const;
    // A refusal: the beep, the field marked and the reason in the status bar; the focus goes to
    // the field. A message box, when given, says the reason too.
    void refuse(QWidget* field, const QString& reason, bool withBox = false);
    void clearRefusal();
    // The field after (or before) a field of the bar in its order 性別, 日付, 時間, 氏名; null for
    // anything else.
    QWidget* nextField(const QObject* from, bool forward) const;

    EntryBarServices services_;
    QPushButton* meiBtn_ = nullptr;
    QPushButton* kouBtn_ = nullptr;
    NameBox* nameE_ = nullptr;
    QComboBox* sex_ = nullptr;
    QLineEdit* dateE_ = nullptr;
    QLineEdit* timeE_ = nullptr;
    QPushButton* nowBtn_ = nullptr;
    QLabel* dLabel_ = nullptr;
    QLabel* tLabel_ = nullptr;
    std::function<void()> dLabelCommand_;
    std::function<void()> tLabelCommand_;
    bool filling_ = false;
    QWidget* refused_ = nullptr;
};

// A caption with a line feed after every full-width character, so that it reads downwards.
QString verticalCaption(const QString& caption);

}  // namespace sorvik::ui
