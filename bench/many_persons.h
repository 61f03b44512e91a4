#pragma once

#include <vector>

#include <QDate>
#include <QString>

#include "records/name_list.h"

namespace sorvik::bench {

inline constexpr int kPersons = 100'000;

// Persons born 1930..2009 at every minute of the day, half of them women, names in kana.
// `first` numbers the first of them, so that a long list can be made in parts.
inline std::vector<records::NameList::Row> manyPersons(int count = kPersons, int first = 0) {
    using records::NameList;
    std::vector<NameList::Row> rows(count);
    const QDate firstDay(1930, 1, 1);
    const QString kana = QStringLiteral("あいうえおかきくけこさしすせそたちつてとなにぬねの");
    for (int n = 0; n < count; ++n) {
        NameList::Row& row = rows[n];
        const int i = first + n;
        const int k = i * 7919;
        row[NameList::kName] =
            kana.mid(k % 25, 1) + kana.mid((k / 25) % 25, 1) + QString::number(i);
        row[NameList::kSex] = i % 2 == 0 ? QStringLiteral("男") : QStringLiteral("女");
        row[NameList::kDate] = firstDay.addDays(k % 29200).toString(QStringLiteral("yyyy/MM/dd"));
        row[NameList::kTime] = QStringLiteral("%1:%2")
                                   .arg(k % 24, 2, 10, QLatin1Char('0'))
                                   .arg((k / 24) % 60, 2, 10, QLatin1Char('0'));
    }
    return rows;
}

}  // namespace sorvik::bench
