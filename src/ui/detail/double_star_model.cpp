#include "double_star_model.h"

#include "platform/utf8_text.h"

namespace sorvik::ui {

void DoubleStarModel::setEvaluation(std::optional<strength::DoubleStarEvaluation> evaluation) {
    beginResetModel();
    evaluation_ = std::move(evaluation);
    endResetModel();
}

int DoubleStarModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : strength::kRelationCount;
}

int DoubleStarModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : kColumns;
}

QString DoubleStarModel::text(int relation, int column) const {
    if (column == 0) {
        return qs(strength::kRelationNames.at(static_cast<std::size_t>(relation)));
    }
    if (!evaluation_) {
        return {};
    }
    const strength::DoubleStarRelation& r =
        evaluation_->relations.at(static_cast<std::size_t>(relation));
    if (column == 1) {
        return qs(r.power);
    }
    const auto entry = static_cast<std::size_t>(column - kFirstEntryColumn);
    return entry < r.entries.size() ? qs(r.entries[entry]) : QString();
}

QVariant DoubleStarModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid()) {
        return {};
    }
    if (role == Qt::DisplayRole) {
        return text(index.row(), index.column());
    }
    if (role == Qt::TextAlignmentRole) {
        // Column 0 is the fixed column of the relation names.
        const Qt::Alignment alignment = index.column() == 0   ? Qt::AlignHCenter
                                        : index.column() == 1 ? Qt::AlignRight
                                                              : Qt::AlignLeft;
        return static_cast<int>(alignment);
    }
    return {};
}

QVariant DoubleStarModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole) {
        return {};
    }
    switch (section) {
        case 0:
            return QStringLiteral("双 星");
        case 1:
            return QStringLiteral("力量");
        case kFirstEntryColumn:
            return evaluation_ ? qs(evaluation_->total) : QString();
        default:
            return QString();
    }
}

}  // namespace sorvik::ui
