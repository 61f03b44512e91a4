#include "star_list_model.h"

#include "engine/catalogue.h"
#include "texts/line_break.h"

namespace sorvik::ui {

namespace {

constexpr const char16_t* kHeadings[StarListModel::kColumnCount] = {
    u"No.", u"星名", u"級", u"吉凶", u"斗", u"五行", u"説明", u""};

QString text(std::string_view view) {
    return QString::fromUtf8(view.data(), static_cast<qsizetype>(view.size()));
}

}  // namespace

StarListModel::StarListModel(const engine::StarDisplayNames& names, const QStringList& starLines,
                             QObject* parent)
    : QAbstractTableModel(parent), names_(names), starLines_(starLines) {}

QString StarListModel::cell(int star, int column) const {
    const engine::StarInfo& info = engine::starInfo(star);
    switch (column) {
        case kNumber:
            return QString::number(star);
        case kName:
            return QString::fromStdString(names_[star]);
        case kGrade:
            return text(engine::gradeLabel(info.classCode));
        case kGoodBad:
            return text(engine::goodBadLabel(info.classCode));
        case kDipper:
            return text(engine::dipperLabel(info.dipperCode));
        case kElement:
            return QString::fromStdString(engine::elementLabel(info.elementCode));
        case kNature:
            return texts::splitStarLine(starLines_.value(star - 1)).nature;
        case kDescription:
            return texts::splitStarLine(starLines_.value(star - 1)).description;
        default:
            return {};
    }
}

int StarListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : engine::kStarCount;
}

int StarListModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : kColumnCount;
}

QVariant StarListModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || role != Qt::DisplayRole) {
        return {};
    }
    return cell(index.row() + 1, index.column());
}

QVariant StarListModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section >= 0 &&
        section < kColumnCount) {
        return QString::fromUtf16(kHeadings[section]);
    }
    return QAbstractTableModel::headerData(section, orientation, role);
}

}  // namespace sorvik::ui
