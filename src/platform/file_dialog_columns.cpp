#include "file_dialog_columns.h"

#include <QFileSystemModel>
#include <QLocale>

namespace sorvik::platform {

namespace {

enum Column { kName, kSize, kType, kModified };

}  // namespace

QVariant FileDialogColumns::data(const QModelIndex& index, int role) const {
    const auto* files = qobject_cast<const QFileSystemModel*>(sourceModel());
    if (role != Qt::DisplayRole || files == nullptr) {
        return QIdentityProxyModel::data(index, role);
    }
    const QModelIndex source = mapToSource(index);
    const QLocale locale;
    switch (index.column()) {
        case kSize:
            return files->isDir(source) ? QString() : locale.formattedDataSize(files->size(source));
        case kType:
            return files->isDir(source) ? QStringLiteral("フォルダ")
                                        : QIdentityProxyModel::data(index, role);
        case kModified:
            return locale.toString(files->lastModified(source), QLocale::ShortFormat);
        default:
            return QIdentityProxyModel::data(index, role);
    }
}

}  // namespace sorvik::platform
