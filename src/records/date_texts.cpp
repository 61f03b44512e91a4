#include "date_texts.h"

#include <QRegularExpression>

#include "engine/date.h"

namespace sorvik::records {

namespace {

std::optional<QTime> timeFrom(int hour, int minute, int second) {
    if (hour > 23 || minute > 59 || second > 59) {
        return std::nullopt;
    }
    return QTime(hour, minute, second);
}

}  // namespace

std::optional<QDate> readDateText(const QString& text) {
    // One per thread: the batch reads dates on several threads, and the class is only reentrant.
    static thread_local const QRegularExpression pattern(
        QStringLiteral(R"(^\s*(\d{4}|\d{2})/(\d{1,2})/(\d{1,2})(?:\s+(\S.*))?$)"));
    const QRegularExpressionMatch match = pattern.match(text);
    if (!match.hasMatch()) {
        return std::nullopt;
    }
    if (match.hasCaptured(4) && !readTimeText(match.captured(4))) {
        return std::nullopt;
    }
    int year = match.captured(1).toInt();
    if (match.capturedLength(1) == 2) {
        year += year < 50 ? 2000 : 1900;
    }
    const QDate date(year, match.captured(2).toInt(), match.captured(3).toInt());
    if (!date.isValid() || year < 1) {
        return std::nullopt;
    }
    return date;
}

std::optional<QTime> readTimeText(const QString& text) {
    // One per thread: the batch reads dates on several threads, and the class is only reentrant.
    static thread_local const QRegularExpression pattern(
        QStringLiteral(R"(^\s*(\d{1,2}):(\d{1,2})(?::(\d{1,2}))?\s*$)"));
    const QRegularExpressionMatch match = pattern.match(text);
    if (!match.hasMatch()) {
        return std::nullopt;
    }
    return timeFrom(match.captured(1).toInt(), match.captured(2).toInt(),
                    match.hasCaptured(3) ? match.captured(3).toInt() : 0);
}

QString normaliseDateText(const QString& text) {
    const std::optional<QDate> date = readDateText(text);
    if (!date) {
        return {};
    }
    return QString::fromStdString(
        engine::formatSlashed({date->year(), date->month(), date->day()}));
}

QString normaliseTimeText(const QString& text) {
    if (text.isEmpty()) {
        return {};
    }
    const std::optional<QTime> time = readTimeText(text);
    if (!time) {
        return QString::fromLatin1(kUnreadableTime);
    }
    return QString::fromStdString(engine::formatClock(time->hour(), time->minute()));
}

}  // namespace sorvik::records
