#pragma once

#include <QDialog>
#include <QFont>

class QCheckBox;
class QLabel;
class QListWidget;

namespace sorvik::platform {

// The font dialog: Japanese throughout, with a Japanese sample. It opens on the face that is
// shown for the given font (a designed face that is not installed here opens on the face that
// stands in for it) and offers bold and italic for every face, as the fonts are drawn. OK
// without a change gives back the given font itself, face name included.
class FontDialog : public QDialog {
  public:
    FontDialog(const QFont& font, bool scalableOnly, QWidget* parent);

    // What the dialog shows: the face, size and style it opened on, or what the user picked.
    QFont shownFont() const;
    QFont chosenFont() const;
    QString sampleText() const;

  private:
    void selectFont(const QFont& font);
    void showSample();

    QFont given_;
    QFont opened_;
    QListWidget* families_ = nullptr;
    QListWidget* styles_ = nullptr;
    QListWidget* sizes_ = nullptr;
    QCheckBox* strikeOut_ = nullptr;
    QCheckBox* underline_ = nullptr;
    QLabel* sample_ = nullptr;
};

}  // namespace sorvik::platform
