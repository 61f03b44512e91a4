#include "name_table.h"

#include <algorithm>
#include <numeric>
#include <vector>

#include <QCollator>
#include <QCollatorSortKey>
#include <QStringList>

namespace sorvik::records {

namespace {

constexpr auto kFixedHeaders =
    u"氏　名,性,生年月日,生時,旧暦日付,,局,年,時,斗君,命主,身主,納音,身宮,";

constexpr int kFixedWidths[] = {106, 18, 65, 35, 125, 18, 43, 30, 18, 30, 30, 30, 30, 30};
constexpr int kPalaceStemWidth = 30;
constexpr int kPalaceStarsWidth = 60;
constexpr int kFixedColumns = static_cast<int>(std::size(kFixedWidths));

}  // namespace

Headers nameListHeaders(const std::array<QString, 12>& palaceNames) {
    QString joined = QString::fromUtf16(kFixedHeaders);
    for (const QString& name : palaceNames) {
        joined += u',' + name + u',';
    }
    const QStringList cells = joined.split(u',');
    Headers headers;
    std::copy_n(cells.begin(), headers.size(), headers.begin());
    return headers;
}

int nameListColumnWidth(int column) {
    if (column < kFixedColumns) {
        return kFixedWidths[column];
    }
    return (column - kFixedColumns) % 2 == 0 ? kPalaceStemWidth : kPalaceStarsWidth;
}

void SortByColumn(NameList& list, int column, bool descending) {
    QCollator collator;  // the system's locale
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    std::vector<QCollatorSortKey> keys;
    keys.reserve(list.rowCount());
    for (int row = 0; row < list.rowCount(); ++row) {
        keys.push_back(collator.sortKey(list.cell(row, column)));
    }
    std::vector<int> order(keys.size());
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(),
                     [&keys](int a, int b) { return keys[a].compare(keys[b]) < 0; });
    if (descending) {
        std::reverse(order.begin(), order.end());
    }
    list.reorder(order);
}

std::optional<int> NameSearch::find(const NameList& list, int column, const QString& text,
                                    SearchMode mode, const QString& header) {
    if (mode == SearchMode::Exact) {
        if (header.compare(text, Qt::CaseInsensitive) == 0) {
            return hit(std::nullopt);
        }
        for (int row = 0; row < list.rowCount(); ++row) {
            if (list.cell(row, column).compare(text, Qt::CaseInsensitive) == 0) {
                return hit(row);
            }
        }
        return hit(std::nullopt);
    }
    from_ = 0;
    return next(list, column, text, mode);
}

std::optional<int> NameSearch::next(const NameList& list, int column, const QString& text,
                                    SearchMode mode) {
    for (int row = from_; row < list.rowCount(); ++row) {
        const QString& cell = list.cell(row, column);
        if (mode == SearchMode::Exact ? cell == text : cell.contains(text)) {
            return hit(row);
        }
    }
    return hit(std::nullopt);
}

std::optional<int> NameSearch::hit(std::optional<int> row) {
    from_ = row ? *row + 1 : 0;
    return row;
}

}  // namespace sorvik::records
