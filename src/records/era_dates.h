#pragma once

#include <QDate>
#include <QString>
#include <QStringList>

// Japanese era dates ("64/01/07" in 昭和) and the Gregorian dates they stand for.
namespace sorvik::records {

inline constexpr int kEraCount = 5;  // 明治 … 令和

// The first day of era 0..4; index kEraCount is the end of the last era.
QDate eraStart(int era);
// "1 明治" … "5 令和", as the era list shows them.
QString eraItem(int era);
// The era a day falls in: the last one whose first day is not after it (明治 for earlier days).
int eraOf(const QDate& day);
// The year, month and day of a day in its own era, two digits each: "64/01/07".
QString eraText(const QDate& day);

inline constexpr auto kBeforeMeijiMessage = u"「明治」以前の和暦は取得できません。";
inline constexpr auto kEraMismatchMessage = u"元号と日付がマッチしていません。";

// The era-date entry's state: the selected era and the Gregorian day its text stands for (none
// while the text is blank).
class EraDateEntry {
  public:
    // Opens on a day, its era selected.
    explicit EraDateEntry(const QDate& today);

    int era() const { return era_; }
    void setEra(int era) { era_ = era; }
    QDate value() const { return value_; }
    // The text that stands for the value in its own era; blank without a value.
    QString valueText() const;
    // "西暦" and the value as "yyyy/mm/dd".
    QString gregorianLabel() const;

    // Whether the text spells a real day in the selected era (every digit typed).
    bool readsAsDate(const QString& text) const;
    // Leaving the date box: reads the text in the selected era, then its own era text once
    // more. A day before 明治 becomes the first day of 明治; a day outside the selected era
    // moves the selection to the day's era. Returns the messages to show, in order; a month or
    // day that makes no date leaves the value as it was.
    QStringList read(const QString& text);

  private:
    QStringList readOnce(const QString& text);

    int era_ = 0;
    QDate value_;
};

}  // namespace sorvik::records
