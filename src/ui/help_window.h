#pragma once

#include <QString>
#include <QWidget>

class QTextBrowser;

namespace sorvik::ui {

// The help viewer: one window for the whole run, showing the help page of a topic number.
class HelpWindow : public QWidget {
    Q_OBJECT
  public:
    explicit HelpWindow(const QString& appDir);

    // False (after the error box titled with the application title) when the topic has no page.
    bool showTopic(int topic);
    int currentTopic() const { return topic_; }

  private:
    QString appDir_;
    QTextBrowser* browser_;
    int topic_ = 0;
};

// Opens a topic in the program's help viewer (created on first use).
bool showHelpTopic(const QString& appDir, int topic);
HelpWindow* helpWindow();

}  // namespace sorvik::ui
