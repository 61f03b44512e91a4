#include "file_names.h"

#include <QDir>
#include <QFileInfo>

namespace sorvik::platform {

QString findFileIgnoringCase(const QString& folder, const QString& name) {
    const QDir dir(folder);
    if (QFileInfo::exists(dir.filePath(name))) {
        return dir.filePath(name);
    }
    const QStringList entries = dir.entryList(QDir::Files);
    for (const QString& entry : entries) {
        if (entry.compare(name, Qt::CaseInsensitive) == 0) {
            return dir.filePath(entry);
        }
    }
    return dir.filePath(name);
}

}  // namespace sorvik::platform
