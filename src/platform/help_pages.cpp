#include "help_pages.h"

#include <QDir>

namespace sorvik::platform {

QString helpFolderName() {
    return QStringLiteral("TQLX4.help");
}

QString helpPagePath(const QString& appDir, int topic) {
    return QDir(appDir).filePath(helpFolderName() + u'/' + QString::number(topic) +
                                 QStringLiteral(".html"));
}

}  // namespace sorvik::platform
