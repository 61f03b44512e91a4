#pragma once

#include <optional>

#include <QDate>
#include <QString>
#include <QTime>

// The spellings of a birth date and time that the name file and the entry bar accept.
namespace sorvik::records {

// Year, month and day separated by "/", optionally followed by a blank and a time. A
// two-digit year means 1950..2049.
std::optional<QDate> readDateText(const QString& text);
// Hours ":" minutes, optionally ":" seconds; 0:00 to 23:59.
std::optional<QTime> readTimeText(const QString& text);

// "yyyy/mm/dd", or empty when the text is not a date.
QString normaliseDateText(const QString& text);
// "hh:mm"; an empty text stays empty and one that is not a time becomes "99:99".
QString normaliseTimeText(const QString& text);

inline constexpr auto kUnreadableTime = "99:99";

}  // namespace sorvik::records
