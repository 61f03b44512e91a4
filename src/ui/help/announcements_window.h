#pragma once

#include <QDialog>

namespace sorvik::ui {

// "お知らせ": the announcements that came with the program, from the file "Info.txt" beside it
// (Shift-JIS); without that file, a line saying there are none. Shown modally.
class AnnouncementsWindow : public QDialog {
    Q_OBJECT
  public:
    explicit AnnouncementsWindow(const QString& appDir, QWidget* parent = nullptr);

    // The text the window shows.
    static QString announcementText(const QString& appDir);
};

}  // namespace sorvik::ui
