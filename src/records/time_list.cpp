#include "time_list.h"

#include <QTime>

#include "engine/catalogue.h"
#include "platform/sjis.h"

namespace sorvik::records {

namespace {

constexpr char16_t kSlotColon = u'：';

QString branchText(int steps) {
    const std::string_view name = engine::branchName(engine::branchAt(steps));
    return QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()));
}

}  // namespace

QString slotBaseName(const QString& name) {
    const qsizetype colon = name.indexOf(kSlotColon);
    if (colon < 0) {
        return name;
    }
    // The one full-width character after the colon.
    const QString next = name.mid(colon + 1, 1);
    if (platform::sjisByteLength(next) != 2) {
        return name;
    }
    for (int b = 0; b < engine::kBranchCount; ++b) {
        if (next == branchText(b)) {
            return name.left(colon);
        }
    }
    return name;
}

std::vector<NameList::Row> timeListRows(const QDate& day, const QString& name, const QString& sex) {
    const QString base = slotBaseName(name);
    std::vector<NameList::Row> rows(kTimeSlots);
    for (int r = 0; r < kTimeSlots; ++r) {
        // Local clock time without zones: a slot is two hours on the day's dial.
        const QDate date = day.addDays(2 * r / 24);
        const QTime time(2 * r % 24, 0);
        NameList::Row& row = rows[r];
        row[NameList::kName] = base + kSlotColon + branchText(r);
        row[NameList::kSex] = sex;
        row[NameList::kDate] = date.toString(QStringLiteral("yyyy/MM/dd"));
        row[NameList::kTime] = time.toString(QStringLiteral("hh:mm"));
    }
    return rows;
}

}  // namespace sorvik::records
