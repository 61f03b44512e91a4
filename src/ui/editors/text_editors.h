#pragma once

#include <QStringList>

#include "item_editor.h"

class QLineEdit;
class QTabBar;

namespace sorvik::engine {
class StarDisplayNames;
}
namespace sorvik::settings {
class ZiWeiSettings;
}

namespace sorvik::ui {

class TSListF;

// What the description editors work with; all of it lives for the whole run.
struct EditorServices {
    QString appDir;
    const engine::StarDisplayNames& starNames;
    const settings::SystemSettings& system;
    const settings::ZiWeiSettings& ziWei;
    TSListF& list;
};

// The star names 1..last as the selectors list them.
QStringList starItems(const engine::StarDisplayNames& names, int last);

// TSSetuF "星の説明の編集": the nature and description of each star, edited in the live star
// lines, which reach SEISETUF.DAT when the editor closes.
class TSSetuF : public ItemEditor {
    Q_OBJECT
  public:
    static constexpr int kHelpTopic = 4001;
    TSSetuF(const EditorServices& services, QStringList& starLines, QWidget* parent = nullptr);
    void openList() override;

    QLineEdit* natureField() const { return nature_; }

  protected:
    void showItem(int item) override;
    void storeItem(int item) override;
    void writeFiles() override;
    void activate() override {}

  private:
    EditorServices services_;
    QStringList& lines_;
    QLineEdit* nature_ = nullptr;
};

// TKSetuF "格局の説明文の編集": the description of each pattern, edited in the live pattern
// lines, which reach KAKUKYOK.DAT when the editor closes.
class TKSetuF : public ItemEditor {
    Q_OBJECT
  public:
    static constexpr int kHelpTopic = 4004;
    TKSetuF(const EditorServices& services, QStringList& patternLines, QWidget* parent = nullptr);
    void openList() override;

  protected:
    void showItem(int item) override;
    void storeItem(int item) override;
    void writeFiles() override;
    void activate() override;

  private:
    EditorServices services_;
    QStringList& lines_;
};

// THSetuF "宮毎の説明文の編集": the text of each star in each palace (and in the luck
// periods), one file per tab, read again for every showing and written on every store.
class THSetuF : public ItemEditor {
    Q_OBJECT
  public:
    static constexpr int kHelpTopic = 4002;
    static constexpr int kLuckTab = 12;
    THSetuF(const EditorServices& services, QWidget* parent = nullptr);
    void openList() override;

    QTabBar* tabs() const { return tabs_; }
    // The tab whose file the working list holds.
    int fileTab() const { return fileTab_; }

  protected:
    void showItem(int item) override;
    void storeItem(int item) override;
    void writeFiles() override;
    void activate() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void changeTab(int tab);

    EditorServices services_;
    QTabBar* tabs_ = nullptr;
    QStringList lines_;  // the shown tab's file, padded
    int fileTab_ = 0;
};

}  // namespace sorvik::ui
