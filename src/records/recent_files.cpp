#include "recent_files.h"

#include "platform/key_store.h"

namespace sorvik::records {

namespace {

void putFirst(QStringList& list, const QString& path) {
    list.removeAll(path);
    list.prepend(path);
}

}  // namespace

RecentFiles::RecentFiles(platform::KeyStore& keys, QString valueName)
    : keys_(keys), valueName_(std::move(valueName)) {}

QStringList RecentFiles::stored() const {
    const QString text = keys_.readText(QString::fromLatin1(kKey), valueName_);
    QStringList list = text.split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
    return list.mid(0, kMaxHistory);
}

void RecentFiles::add(const QString& path) {
    if (!path.isEmpty()) {
        putFirst(added_, path);
    }
}

QStringList RecentFiles::merge() {
    QStringList list = stored();
    for (qsizetype i = added_.size() - 1; i >= 0; --i) {
        putFirst(list, added_[i]);
    }
    list = list.mid(0, kMaxHistory);
    keys_.writeText(QString::fromLatin1(kKey), valueName_, list.join(QStringLiteral("\r\n")));
    return stored();
}

}  // namespace sorvik::records
