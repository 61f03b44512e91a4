#pragma once

#include <QIdentityProxyModel>

namespace sorvik::platform {

// Qt's own file dialog writes sizes and dates in the system's locale, which is English under
// LANG=C; these columns read them in the program's locale instead.
class FileDialogColumns : public QIdentityProxyModel {
  public:
    using QIdentityProxyModel::QIdentityProxyModel;
    QVariant data(const QModelIndex& index, int role) const override;
};

}  // namespace sorvik::platform
