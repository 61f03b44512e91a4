#pragma once

#include <array>
#include <functional>

#include <QDialog>

#include "settings/zi_wei_settings.h"

class QButtonGroup;
class QLabel;
class QSlider;
class QTabWidget;
class QTableView;
class QTableWidget;

namespace sorvik::settings {
class SystemSettings;
}

namespace sorvik::ui {

class ZiWeiGridModel;

// TUSysF "紫微斗数の設定": the dialog over the Zi Wei settings. Edits are live in the store;
// OK checks and saves, ｷｬﾝｾﾙ and the close box reload what was saved.
class TUSysF : public QDialog {
    Q_OBJECT
  public:
    static constexpr int kHelpTopic = 5002;
    static constexpr int kWidth = 454;

    TUSysF(QString appDir, settings::ZiWeiSettings& store,
           const settings::SystemSettings* systemSettings, QWidget* parent = nullptr);

    settings::ZiWeiSettings& store() { return store_; }

    // OK: the checks in order; a refused cell becomes current in its grid. False when refused.
    bool OKBtnClick();
    void CancelBtnClick();
    void printPreview();
    // The grids, the symbols, the ratios, the rules and the palace names as the store has them.
    void refresh();

    // Moves one of the ratio bars as the user would (0 大限, 1 小限, 2 太歳).
    void moveBar(int bar, int position);
    int barPosition(int bar) const;
    QString barLabel(int bar) const;

    std::function<void(const QString&, const QTableView&)> openPrintPreview;

    QTabWidget* tabs() const { return tabs_; }
    QTableView* gridView(settings::Grid grid) const;
    QTableWidget* symbolGrid() const { return symbols_; }
    QTableWidget* palaceNameGrid() const { return palaceNames_; }

  protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void reject() override;

  private:
    QWidget* buildNumbersTab();
    QWidget* buildPowersTab();
    QWidget* buildBrightnessTab();
    QWidget* buildOtherTab();
    QTableView* makeGridView(ZiWeiGridModel* model, const char* name);
    void refreshTables();
    void showRatios();

    QString appDir_;
    settings::ZiWeiSettings& store_;
    const settings::SystemSettings* systemSettings_;
    QTabWidget* tabs_ = nullptr;
    std::array<ZiWeiGridModel*, 3> models_{};
    std::array<QTableView*, 3> views_{};
    QTableWidget* symbols_ = nullptr;
    QTableWidget* palaceNames_ = nullptr;
    std::array<QSlider*, 3> bars_{};
    std::array<QLabel*, 3> barLabels_{};
    QButtonGroup* rg1_ = nullptr;
    QButtonGroup* rg2_ = nullptr;
};

}  // namespace sorvik::ui
