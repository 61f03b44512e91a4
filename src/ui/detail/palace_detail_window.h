#pragma once

#include <array>
#include <map>

#include <QString>
#include <QStringList>
#include <QWidget>

#include "engine/branch.h"
#include "texts/palace_description.h"

class QAction;
class QComboBox;
class QLabel;
class QMenu;
class QPlainTextEdit;
class QTimer;

namespace sorvik::platform {
class KeyStore;
}

namespace sorvik::ui {

class DetailGrid;
class DoubleStarModel;
class StarTableModel;
class ChartDocument;

// What the palace detail reads while it lives.
struct DetailServices {
    QString appDir;  // where the palace and combination files are read at each filling
    platform::KeyStore& keys;
    const engine::StarDisplayNames& names;
    const settings::SystemSettings& system;
    const settings::ZiWeiSettings& ziwei;
    const texts::LiveTexts& texts;
};

// The palace detail (宮の詳細内容): one window for the whole run, filled by the palace clicks of
// every chart window. Header, star table HSG, double-star table SouSG and the description.
class TKyuSF : public QWidget {
    Q_OBJECT
  public:
    static constexpr int kHelpTopic = 2001;
    static constexpr int kHeaderHeight = 24;
    static constexpr int kLabelsHeight = 34;
    static constexpr int kDoubleStarPanelHeight = 93;
    static constexpr int kDescriptionPanelHeight = 240;
    // The panels that "表示する内容" and the popup menu show and hide, by their bit.
    enum Panel { kStarPanel = 0, kDoubleStarPanel = 1, kDescriptionPanel = 2 };
    static constexpr int kPanelCount = 3;

    TKyuSF(const DetailServices& services, QWidget* parent = nullptr);

    // The chart's palace selections fill and show this window; once the chart closes, it is
    // forgotten.
    void followChart(const ChartDocument& chart);
    // Fills every part for palace p of the chart in the selected mode, sets the caption from
    // the chart's name and shows the window.
    void showPalace(const ChartDocument& chart, engine::Branch palace);
    // Nothing of the chart stays on show; the selectors only beep until the next chart.
    void forgetChart();
    // The placement, as the program ends.
    void savePlacement();

    const ChartDocument* chart() const { return chart_; }
    engine::Branch palace() const { return palace_; }
    texts::DescriptionMode mode() const;
    // The description as shown, one entry per added line or text.
    const texts::DescriptionLines& description() const { return description_; }
    // What the hint shows at a point of the star table's viewport: empty off a star's name.
    QString hintAt(const QPoint& point) const;

    QComboBox* modeSelector() const { return modeSelector_; }
    QComboBox* palaceSelector() const { return palaceSelector_; }
    QLabel* label(const QString& name) const;
    // "星の一覧の印刷": the star table in the print preview, under the caption after
    // "宮の詳細内容", the palace's name and the five info labels.
    void printStarTable();
    QString starTablePrintTitle() const;
    DetailGrid* starTable() const { return starTable_; }
    DetailGrid* doubleStarTable() const { return doubleStarTable_; }
    const StarTableModel& starRows() const { return *starModel_; }
    const DoubleStarModel& doubleStars() const { return *doubleStarModel_; }
    QPlainTextEdit* descriptionMemo() const { return memo_; }
    QWidget* panel(Panel which) const { return panels_.at(which); }
    QMenu* popupMenu() const { return popup_; }
    QAction* panelItem(Panel which) const { return panelItems_.at(which); }

  protected:
    void changeEvent(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void placeAtTheScreensRight();
    QWidget* buildHeader();
    QWidget* buildLabels();
    void buildPanels();
    void buildPopupMenu();
    void fill();
    void fillHeader(int nameIndex);
    void fillStarTable();
    void fillDoubleStars();
    void fillDescription(int nameIndex);
    void selectorChanged();
    void applyShownPanels();
    void showPanel(Panel which, bool shown);
    void fitHeight();
    void applyFonts();
    // What every showing takes from the settings: column widths, fonts, the focus.
    void takeShowingSettings();

    DetailServices services_;
    const ChartDocument* chart_ = nullptr;
    engine::Branch palace_ = engine::Branch::Zi;
    QStringList palaceNames_;  // PalaceNameTable as it was at start-up
    texts::DescriptionLines description_;

    QComboBox* modeSelector_ = nullptr;
    QComboBox* palaceSelector_ = nullptr;
    std::map<QString, QLabel*> labels_;
    StarTableModel* starModel_ = nullptr;
    DoubleStarModel* doubleStarModel_ = nullptr;
    DetailGrid* starTable_ = nullptr;
    DetailGrid* doubleStarTable_ = nullptr;
    QPlainTextEdit* memo_ = nullptr;
    QWidget* header_ = nullptr;
    QWidget* labelPanel_ = nullptr;
    std::array<QWidget*, kPanelCount> panels_{};
    std::array<QAction*, kPanelCount> panelItems_{};
    QMenu* popup_ = nullptr;
    QTimer* leaving_ = nullptr;  // the hide after the activation went elsewhere
};

}  // namespace sorvik::ui
