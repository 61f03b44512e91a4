#include "tools_model.h"

namespace sorvik::ui {

ToolsModel::ToolsModel(const settings::ToolsTable& table, QObject* parent)
    : QAbstractTableModel(parent), table_(table) {}

void ToolsModel::refresh() {
    beginResetModel();
    endResetModel();
}

int ToolsModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(settings::ToolsTable::kRows);
}

int ToolsModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(settings::ToolsTable::kColumns);
}

QVariant ToolsModel::data(const QModelIndex& index, int role) const {
    if (role != Qt::DisplayRole) {
        return {};
    }
    const settings::Tool& tool = table_.row(static_cast<std::size_t>(index.row()));
    const QString* const cells[] = {&tool.title, &tool.program, &tool.file, &tool.folder};
    return *cells[index.column()];
}

QVariant ToolsModel::headerData(int section, Qt::Orientation orientation, int role) const {
    static const char16_t* const kTitles[] = {u"タイトル", u"プログラム", u"ファイル",
                                              u"実行時のﾃﾞｨﾚｸﾄﾘ"};
    if (role != Qt::DisplayRole) {
        return {};
    }
    if (orientation == Qt::Vertical) {
        return section + 1;
    }
    return QString::fromUtf16(kTitles[section]);
}

}  // namespace sorvik::ui
