#pragma once

#include <QString>
#include <QWidget>

class QAbstractButton;
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

// Opens a topic in the program's help viewer (created on first use). While a modal dialog is
// open the viewer becomes its child window, so that it stands in front of the dialog and takes
// input; otherwise it is a window of its own.
bool showHelpTopic(const QString& appDir, int topic);
HelpWindow* helpWindow();

// A window's help topic. For a window of its own, F1 opens the topic, as does the ﾍﾙﾌﾟ button
// when there is one; a window inside the main window is found by the main window's F1.
void connectHelp(QWidget& window, const QString& appDir, int topic,
                 QAbstractButton* button = nullptr);
void setHelpTopic(QWidget& window, int topic);
// The topic of the nearest window, from the widget up through its parents; fallback if none.
int helpTopicAt(const QWidget* widget, int fallback);

}  // namespace sorvik::ui
