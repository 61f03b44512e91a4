#include "era_dates.h"

#include <algorithm>
#include <array>
#include <optional>

namespace sorvik::records {

namespace {

struct EraStart {
    const char16_t* name;
    int year, month, day;
};

// The last line only closes 令和.
constexpr std::array<EraStart, kEraCount + 1> kEraStartTable = {{
    {u"明治", 1868, 9, 8},
    {u"大正", 1912, 7, 30},
    {u"昭和", 1926, 12, 25},
    {u"平成", 1989, 1, 8},
    {u"令和", 2019, 5, 1},
    {nullptr, 2100, 12, 31},
}};

struct EraDigits {
    int year, month, day;
};

// The two digits at positions 1-2, 4-5 and 7-8 of "yy/mm/dd"; nothing when one is missing.
std::optional<EraDigits> digitsOf(const QString& text) {
    bool ok[3] = {};
    const EraDigits digits{text.mid(0, 2).trimmed().toInt(&ok[0]),
                           text.mid(3, 2).trimmed().toInt(&ok[1]),
                           text.mid(6, 2).trimmed().toInt(&ok[2])};
    if (!ok[0] || !ok[1] || !ok[2]) {
        return std::nullopt;
    }
    return digits;
}

QDate dayIn(int era, const EraDigits& digits) {
    return QDate(eraStart(era).year() + digits.year - 1, digits.month, digits.day);
}

}  // namespace

QDate eraStart(int era) {
    const EraStart& start = kEraStartTable.at(era);
    return QDate(start.year, start.month, start.day);
}

QString eraItem(int era) {
    return QString::number(era + 1) + u' ' + QString::fromUtf16(kEraStartTable.at(era).name);
}

int eraOf(const QDate& day) {
    int era = 0;
    while (era + 1 < kEraCount && eraStart(era + 1) <= day) {
        ++era;
    }
    return era;
}

QString eraText(const QDate& day) {
    const int year = day.year() - eraStart(eraOf(day)).year() + 1;
    return QStringLiteral("%1/%2/%3")
        .arg(year, 2, 10, QLatin1Char('0'))
        .arg(day.month(), 2, 10, QLatin1Char('0'))
        .arg(day.day(), 2, 10, QLatin1Char('0'));
}

EraDateEntry::EraDateEntry(const QDate& today) : era_(eraOf(today)), value_(today) {}

QString EraDateEntry::valueText() const {
    return value_.isValid() ? eraText(value_) : QString();
}

QString EraDateEntry::gregorianLabel() const {
    return QStringLiteral("西暦") + value_.toString(QStringLiteral("yyyy/MM/dd"));
}

bool EraDateEntry::readsAsDate(const QString& text) const {
    QString digitsOnly = text;
    digitsOnly.remove(u'/');
    if (digitsOnly.size() != 6 ||
        !std::all_of(digitsOnly.begin(), digitsOnly.end(), [](QChar c) { return c.isDigit(); })) {
        return false;  // still being typed
    }
    const std::optional<EraDigits> digits = digitsOf(text);
    return digits && dayIn(era_, *digits).isValid();
}

QStringList EraDateEntry::read(const QString& text) {
    QStringList messages = readOnce(text);
    messages += readOnce(valueText());
    return messages;
}

QStringList EraDateEntry::readOnce(const QString& text) {
    QString digitsOnly = text;
    digitsOnly.remove(u'/').remove(u' ');
    if (digitsOnly.isEmpty()) {
        value_ = QDate();
        return {};
    }
    const std::optional<EraDigits> digits = digitsOf(text);
    const QDate day = digits ? dayIn(era_, *digits) : QDate();
    if (!day.isValid()) {
        return {QStringLiteral("『%1』は日付になりません。").arg(text)};
    }
    if (day < eraStart(0)) {
        value_ = eraStart(0);
        return {QString::fromUtf16(kBeforeMeijiMessage)};
    }
    value_ = day;
    if (day < eraStart(era_) || day >= eraStart(era_ + 1)) {
        // The day's own era, not merely the next one: the text is read again in the era
        // selected, so a step of one era would move the day.
        era_ = eraOf(day);
        return {QString::fromUtf16(kEraMismatchMessage)};
    }
    return {};
}

}  // namespace sorvik::records
