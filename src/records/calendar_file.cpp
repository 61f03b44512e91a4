#include "calendar_file.h"

#include <QDir>
#include <QFileInfo>

#include "engine/errors.h"
#include "platform/atomic_file.h"
#include "platform/errors.h"
#include "platform/file_names.h"

namespace sorvik::records {

engine::CalendarTable LoadCalendar(const QString& folder) {
    const QString path =
        platform::findFileIgnoringCase(folder, QString::fromLatin1(kCalendarFileName));
    if (!QFileInfo::exists(path)) {
        throw platform::FileError(QStringLiteral("暦データファイル『%1』が、ありません。")
                                      .arg(QDir::toNativeSeparators(path)));
    }
    const QByteArray bytes = platform::readWholeFile(path);
    try {
        return engine::CalendarTable::fromRecordBytes(
            std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
    } catch (const engine::CalendarError& error) {
        throw platform::DamagedFileError(
            QStringLiteral("『%1』を読み込めません。").arg(QFileInfo(path).fileName()) +
            QString::fromUtf8(error.what()));
    }
}

int SaveCalendar(const engine::CalendarTable& table, const QString& path) {
    const std::string bytes = table.toRecordBytes();
    platform::writeFileAtomically(path,
                                  QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size())));
    return static_cast<int>(table.lines().size());
}

}  // namespace sorvik::records
