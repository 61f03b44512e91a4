#pragma once

#include <QComboBox>
#include <QDialog>

#include "text_editors.h"
#include "texts/combinations.h"

class QLabel;
class QPlainTextEdit;
class QTabBar;

namespace sorvik::ui {

// A selector that is filled afresh each time it opens.
class RefillingComboBox : public QComboBox {
    Q_OBJECT
  public:
    using QComboBox::QComboBox;
    void showPopup() override;
  signals:
    void aboutToOpen();
};

// TDSetuF "同宮加会による説明文の編集": the combination records of each palace, one file
// per tab. A record is keyed by 星１, 星Ａ, 星Ｂ and the kind; "追加・置換" adds it or, after
// asking, replaces the stored record of the same key in its place. A typed text is never
// dropped without asking.
class TDSetuF : public QDialog {
    Q_OBJECT
  public:
    static constexpr int kHelpTopic = 4003;

    explicit TDSetuF(const EditorServices& services, QWidget* parent = nullptr);

    QTabBar* tabs() const { return tabs_; }
    QComboBox* star1Box() const { return star1_; }
    QComboBox* starABox() const { return starA_; }
    QComboBox* starBBox() const { return starB_; }
    QComboBox* kindBox() const { return kind_; }
    QPlainTextEdit* memo() const { return memo_; }
    QLabel* countLabel() const { return count_; }
    const texts::CombinationFile& records() const { return file_; }

    // The user's choice of 星１ (refills 星Ａ and 星Ｂ), and the opening of 星Ａ and 星Ｂ.
    void chooseStar1(int index);
    void refillStarA();
    void refillStarB();
    // "追加・置換"; false when nothing was stored.
    bool addOrReplace();
    // A text typed and not yet added is offered for adding before it would be lost (a tab
    // change, the close); false when the user stays.
    bool keepTypedText();
    // "編集(&E)" of the list: record r (from 0) into the selectors and the memo.
    void editRecord(int record);
    void openList();

    void done(int result) override;

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    void activate();
    void readTab();
    void writeTab();
    void changeTab(int tab);
    void showCount();
    void showMemo(const QString& text);
    int starNumberB() const;
    // The key as a phrase: "紫微と天府が同宮した時", "紫微と天府か天相が同宮加会した時".
    QString keyText() const;

    EditorServices services_;
    QTabBar* tabs_ = nullptr;
    QComboBox* star1_ = nullptr;
    RefillingComboBox* starA_ = nullptr;
    RefillingComboBox* starB_ = nullptr;
    QComboBox* kind_ = nullptr;
    QPlainTextEdit* memo_ = nullptr;
    QLabel* count_ = nullptr;
    texts::CombinationFile file_;
    int fileTab_ = 0;
    bool tabRead_ = false;
    QString shownMemo_;  // what the editor itself last put into the memo
};

}  // namespace sorvik::ui
