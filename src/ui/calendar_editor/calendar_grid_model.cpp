#include "calendar_grid_model.h"

#include <QColor>

#include "records/calendar_edit.h"

namespace sorvik::ui {

CalendarGridModel::CalendarGridModel(const engine::CalendarTable& table, QObject* parent)
    : QAbstractTableModel(parent), table_(table), gaps_(records::monthGaps(table)) {}

void CalendarGridModel::refresh() {
    beginResetModel();
    gaps_ = records::monthGaps(table_);
    endResetModel();
}

int CalendarGridModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(table_.records().size());
}

int CalendarGridModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant CalendarGridModel::data(const QModelIndex& index, int role) const {
    const engine::CalendarRecord& month =
        table_.records().at(static_cast<std::size_t>(index.row()));
    switch (role) {
        case Qt::DisplayRole:
            switch (index.column()) {
                case Year:
                    return QString::number(month.lunarYear);
                case Month:
                    return QString::number(month.lunarMonth);
                case Start:
                    return QString::fromStdString(
                        engine::formatSlashed(engine::dateFromYmd(month.startYmd)));
                default:
                    return gaps_.value(index.row());
            }
        case Qt::TextAlignmentRole:
            return index.column() == Month ? int(Qt::AlignRight | Qt::AlignVCenter)
                                           : int(Qt::AlignCenter);
        case Qt::BackgroundRole:
            if (index.column() == Gap) {
                return QColor(Qt::yellow);
            }
            return month.lunarYear % 2 != 0 ? QColor(Qt::cyan) : QColor(Qt::white);
        case Qt::ForegroundRole:
            return QColor(Qt::black);
        default:
            return {};
    }
}

QVariant CalendarGridModel::headerData(int section, Qt::Orientation orientation, int role) const {
    static const char16_t* const kTitles[] = {u"旧年", u"月", u"西暦日付", u"差日"};
    if (orientation != Qt::Horizontal || section < 0 || section >= ColumnCount) {
        return {};
    }
    if (role == Qt::DisplayRole) {
        return QString::fromUtf16(kTitles[section]);
    }
    return {};
}

Qt::ItemFlags CalendarGridModel::flags(const QModelIndex& index) const {
    // The day count is worked out, never chosen.
    return index.column() == Gap ? Qt::ItemIsEnabled : Qt::ItemIsEnabled | Qt::ItemIsSelectable;
}

}  // namespace sorvik::ui
