#pragma once

#include <array>
#include <functional>

#include <QDialog>
#include <QString>
#include <QStringList>

#include "copy_files.h"

class QCheckBox;
class QLabel;
class QLineEdit;

namespace sorvik::platform {
class KeyStore;
}

namespace sorvik::ui {

// TBackF "ﾃﾞｰﾀﾊﾞｯｸｱｯﾌﾟ・ﾘｽﾄｱ": copies the data files of the chosen kinds from the program's
// folder into a backup folder, with the program's key store written there as TQLX4.reg, and
// back again. A restore ends the program, without the saves of closing, so that it starts
// afresh on the restored files. Made anew for each opening.
class TBackF : public QDialog {
    Q_OBJECT
  public:
    static constexpr int kHelpTopic = 3001;

    // endProgram ends the run at once (the main window's end without its closing saves).
    TBackF(QString appDir, platform::KeyStore& keys, std::function<void()> endProgram,
           QWidget* parent = nullptr);

    int kinds() const;  // CG1's bit mask
    void setKinds(int kinds);
    QLineEdit* folderBox() const { return edit1_; }
    QString backupStatus() const;

    void refresh();
    void chooseFolder();  // the folder button
    void backup();        // "バックアップ"
    void restore();       // "リストア"

    void done(int result) override;

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    QString backupFolder();  // the field with its trailing "/", written back into it
    int listInto(const QString& folder, QLabel* status);
    // Copies with a progress window, asking before a file of the same name is replaced; a
    // cancel at those questions leaves the target as it was.
    CopyOutcome copyFiles(const QString& from, const QStringList& names, const QString& to);

    QString appDir_;
    platform::KeyStore& keys_;
    std::function<void()> endProgram_;
    std::array<QCheckBox*, 4> kindBoxes_{};
    QLineEdit* edit1_ = nullptr;
    QLabel* programFolder_ = nullptr;
    QLabel* programStatus_ = nullptr;
    QLabel* backupStatus_ = nullptr;
};

}  // namespace sorvik::ui
