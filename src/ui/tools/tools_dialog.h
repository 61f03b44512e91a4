#pragma once

#include <array>

#include <QDialog>
#include <QString>

#include "settings/tools_table.h"

class QLineEdit;
class QMenu;
class QTableView;

namespace sorvik::platform {
class KeyStore;
}

namespace sorvik::ui {

class ToolsModel;

// TTools "ﾂｰﾙの設定": the list of external programs that the menu ﾂｰﾙ(&T) starts. Made once at
// start-up, when it first builds the menu; edits show in the menu at once and are stored
// whenever the dialog closes.
class TTools : public QDialog {
    Q_OBJECT
  public:
    static constexpr int kHelpTopic = 5004;

    // The menu keeps its first two items (ﾂｰﾙの設定(&T) and a separator); the tools follow.
    TTools(QString appDir, platform::KeyStore& keys, QMenu& toolsMenu, QWidget* parent = nullptr);

    const settings::ToolsTable& table() const { return table_; }
    void BuildToolsMenu();

    // The four fields: タイトル, プログラム, ファイル, 実行時のﾃﾞｨﾚｸﾄﾘ.
    QLineEdit* field(std::size_t column) const { return fields_.at(column); }
    void selectRow(std::size_t row);
    void add();     // "追加"
    void remove();  // "削除": the selected row
    void browse();  // "参照"
    // Starts the tool of a row.
    void launch(std::size_t row) const;

    void done(int result) override;

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    void tableChanged();

    QString appDir_;
    platform::KeyStore& keys_;
    QMenu& menu_;
    settings::ToolsTable table_;
    ToolsModel* model_ = nullptr;
    QTableView* list_ = nullptr;
    std::array<QLineEdit*, settings::ToolsTable::kColumns> fields_{};
    std::size_t selected_ = 0;
};

}  // namespace sorvik::ui
