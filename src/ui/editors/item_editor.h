#pragma once

#include <QDialog>
#include <QStringList>

class QComboBox;
class QPlainTextEdit;
class QPushButton;
class QToolButton;
class QVBoxLayout;

namespace sorvik::settings {
class SystemSettings;
}

namespace sorvik::ui {

// What the three item editors (stars, stars by palace, patterns) share: one item at a time,
// chosen in the selector or with the previous and next buttons. The shown item is stored back
// into the working list when the focus enters the selector, before moving and when the editor
// closes by any way (閉じる, the close box, Esc); closing then writes the files.
class ItemEditor : public QDialog {
    Q_OBJECT
  public:
    struct Words {
        const char* objectName;
        QString caption;
        QString selectorLabel;  // "星名" or "格局名"
        QString previous;       // "前の星" or "前の格局"
        QString next;
        int helpTopic;
    };

    int currentItem() const;
    // Shows item i, as a choice in the selector does.
    void selectItem(int item);
    void storeCurrent();
    void previousItem();
    void nextItem();
    // The list button: the editor's texts in the description list.
    virtual void openList() = 0;

    QComboBox* selector() const { return selector_; }
    QPlainTextEdit* memo() const { return memo_; }
    QPushButton* previousButton() const { return previous_; }
    QPushButton* nextButton() const { return next_; }
    QToolButton* listButton() const { return list_; }

    // Closing stores, writes and closes; a write that fails says so and the edits stay in
    // the working list.
    void done(int result) override;

  protected:
    ItemEditor(const Words& words, const QString& appDir, const settings::SystemSettings& system,
               QWidget* parent);

    void setItems(const QStringList& names);
    // Widgets of the subclass: above the selector row (tabs), and the fields above the memo.
    QVBoxLayout* topArea() const { return top_; }
    QVBoxLayout* fieldArea() const { return fields_; }
    QString appDir() const { return appDir_; }

    virtual void showItem(int item) = 0;
    virtual void storeItem(int item) = 0;
    virtual void writeFiles() = 0;
    // On activation, before the description font is applied.
    virtual void activate() = 0;

    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void showAndEnable(int item);

    QString appDir_;
    const settings::SystemSettings& system_;
    QComboBox* selector_ = nullptr;
    QPlainTextEdit* memo_ = nullptr;
    QPushButton* previous_ = nullptr;
    QPushButton* next_ = nullptr;
    QToolButton* list_ = nullptr;
    QVBoxLayout* top_ = nullptr;
    QVBoxLayout* fields_ = nullptr;
};

// The memo shows a stored text's CR LF as its own line breaks.
QString memoText(const QString& decoded);

}  // namespace sorvik::ui
