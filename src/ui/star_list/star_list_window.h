#pragma once

#include <QDialog>

#include "star_list_model.h"

class QTableView;
class QToolButton;

namespace sorvik::settings {
class SystemSettings;
}

namespace sorvik::ui {

// TSeiLF "星曜一覧表": every star with its attributes and texts, made for each opening.
class TSeiLF : public QDialog {
    Q_OBJECT
  public:
    static constexpr int kHelpTopic = 2002;

    TSeiLF(const QString& appDir, const engine::StarDisplayNames& names,
           const QStringList& starLines, const settings::SystemSettings& system,
           QWidget* parent = nullptr);

    QTableView* grid() const { return hsg_; }
    QToolButton* previewButton() const { return preview_; }
    // Takes a font as the font button does, and fits the grid.
    void takeFont(const QFont& font);
    // Columns to their widest text + 6, rows to the heading's text height + 4.
    void fitGrid();

  protected:
    void showEvent(QShowEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

  private:
    void chooseFont();

    const settings::SystemSettings& system_;
    StarListModel* model_ = nullptr;
    QTableView* hsg_ = nullptr;
    QToolButton* preview_ = nullptr;
};

}  // namespace sorvik::ui
