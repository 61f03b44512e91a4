#include "announcements_window.h"

#include <QFileInfo>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "platform/errors.h"
#include "platform/file_names.h"
#include "platform/text_file.h"

namespace sorvik::ui {

QString AnnouncementsWindow::announcementText(const QString& appDir) {
    const QString path = platform::findFileIgnoringCase(appDir, QStringLiteral("Info.txt"));
    if (QFileInfo(path).isFile()) {
        try {
            const QString text = platform::readSjisLines(path).join(u'\n').trimmed();
            if (!text.isEmpty()) {
                return text;
            }
        } catch (const platform::FileError& error) {
            return error.message();
        }
    }
    return QStringLiteral("現在、お知らせはありません。");
}

AnnouncementsWindow::AnnouncementsWindow(const QString& appDir, QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("InfoF"));
    setWindowTitle(QStringLiteral("お知らせ"));
    auto* text = new QPlainTextEdit(announcementText(appDir), this);
    text->setObjectName(QStringLiteral("InfoText"));
    text->setReadOnly(true);
    auto* close = new QPushButton(QStringLiteral("閉じる"), this);
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(text);
    layout->addWidget(close, 0, Qt::AlignRight);
    resize(460, 320);
}

}  // namespace sorvik::ui
