#pragma once

#include <functional>

#include <QDialog>

#include "description_list_model.h"

class QCheckBox;
class QMenu;
class QTableView;
class QToolButton;

namespace sorvik::ui {

// TSListF "説明文の一覧": the texts of the editor that opened it, read-only. The combination
// editor's list also edits and deletes its records from a popup.
class TSListF : public QDialog {
    Q_OBJECT
  public:
    static constexpr int kHelpTopic = 4000;

    // For the combination list: the record of a data row (from 0) is loaded into the editor,
    // or leaves the editor's working list.
    struct RecordActions {
        std::function<void(int row)> edit;
        std::function<void(int row)> remove;
    };

    TSListF(const QString& appDir, QWidget* parent = nullptr);

    // Fills the grid and shows the list modally.
    void showList(DescriptionList list, RecordActions actions = {});
    // Fills without showing.
    void fill(DescriptionList list, RecordActions actions = {});

    QTableView* grid() const { return lsg_; }
    QCheckBox* foldBox() const { return fold_; }
    QToolButton* previewButton() const { return preview_; }
    const DescriptionList& list() const { return model_->list(); }

    // The popup's items on a data row (from 0).
    void editRow(int row);
    void deleteRow(int row);
    // Takes a font as the font button does.
    void takeFont(const QFont& font);
    // Row heights by the fold rule, or the heading's height for every row.
    void fitRows();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void chooseFont();
    void showRowMenu(const QPoint& position);

    DescriptionListModel* model_ = nullptr;
    QTableView* lsg_ = nullptr;
    QCheckBox* fold_ = nullptr;
    QToolButton* preview_ = nullptr;
    QMenu* rowMenu_ = nullptr;
    RecordActions actions_;
    int menuRow_ = -1;
    bool fitting_ = false;
};

}  // namespace sorvik::ui
