#pragma once

#include <array>
#include <functional>
#include <memory>

#include <QRect>
#include <QString>
#include <QWidget>

#include "chart_document.h"
#include "engine/chart_request.h"
#include "strength/chart_grid.h"
#include "texts/live_texts.h"

class QFrame;
class QLabel;
class QLayout;
class QMenu;
class QPushButton;
class QScrollArea;

namespace sorvik::settings {
class SystemSettings;
class ZiWeiSettings;
}  // namespace sorvik::settings

namespace sorvik::ui {

class ChartGridView;
class PatternList;

// What a chart window reads while it lives.
struct ChartServices {
    const engine::CalendarTable& calendar;
    const engine::StarDisplayNames& names;
    const settings::ZiWeiSettings& ziwei;
    const settings::SystemSettings& system;
    // The main window's status bar; may be empty.
    std::function<void(const QString&)> showStatus;
    // The zoom in percent a new chart opens at, and who keeps the zoom the user chose for the
    // next chart; either may be empty (100 %, not kept).
    std::function<int()> zoom;
    std::function<void(int)> zoomChosen;
    // The luck request for the chart's person; may be empty (no luck command).
    std::function<void(const engine::BirthMoment& person)> requestLuck;
    // The program's folder, where the exports read the palace texts, and the live star and
    // pattern texts; without them the text export is not offered.
    QString appDir;
    std::function<const texts::LiveTexts*()> liveTexts;
};

// The chart window (命盤): twelve palace blocks round a centre panel, the target-date buttons
// above. Its grid shape is fixed when it is made; colours and the star display are read live.
class TMeibF : public QWidget {
    Q_OBJECT
  public:
    static constexpr int kHelpTopic = 2000;
    static constexpr int kButtonBarHeight = 18;
    // The zooms offered, in percent; 100 % is the chart as designed.
    static constexpr int kZoomSteps[] = {100, 125, 150, 175, 200};
    enum TargetKind {
        kPreviousYear = ChartDocument::kPreviousYear,
        kDefault = ChartDocument::kDefault,
        kNextYear = ChartDocument::kNextYear
    };

    explicit TMeibF(const ChartServices& services, QWidget* parent = nullptr);
    ~TMeibF() override;

    // The chart request for the person: birth part, default target date, yearly part and the
    // grid. When the target date cannot be converted the birth part stays on screen and the
    // user is told that the yearly content is missing.
    void RequestChart(const engine::BirthMoment& person);
    void ChangeTargetDate(int kind);
    // A palace click: selects, recolours, refills the info rows and asks for the palace's
    // detail.
    void selectPalace(engine::Branch palace);
    // The luck periods of this chart's person.
    void KouBtnClick();
    // Output: the descriptions as text, the chart as HTML or PDF in the output folder, each
    // opened afterwards; the chart image on the clipboard; the print preview.
    void SOutClick();
    void HTML1Click();
    void PdfClick();
    void CopyBtnClick();
    void PrtBtnClick();
    // Pops the output menu up just below OutBtn.
    void OutBtnClick();
    QMenu* outputMenu() const { return outPop_; }
    // The header the printout puts in the centre, and the chart as a grid to print.
    QString printHeader() const;
    std::vector<int> rowHeights() const;

    const ChartDocument& document() const { return document_; }
    ChartDocument& document() { return document_; }
    const engine::Chart& chart() const { return document_.chart(); }
    const engine::ChartRecord& record() const { return document_.record(); }
    const strength::ChartGrid& grid() const { return document_.grid(); }
    ChartGridView* gridView() const { return gridView_; }
    PatternList* patternList() const { return patterns_; }
    // A label or button of the window by its object name; null when there is none.
    QLabel* label(const QString& name) const;
    QString targetHint() const { return document_.targetHint(); }
    bool targetYearsDiffer() const { return document_.targetYearsDiffer(); }
    bool yearlyContentKnown() const { return document_.yearlyContentKnown(); }
    engine::DateTime targetDate() const { return document_.targetDate(); }
    QPushButton* button(const QString& name) const;
    QMenu* popupMenu() const { return popup_; }

    // Grid, fonts and centre panel scale together; the window keeps a fixed size at each zoom.
    // A zoom not offered is taken to the nearest step.
    void setZoom(int percent);
    int zoom() const { return zoom_; }
    // One step up or down from the current zoom, as Ctrl + wheel and Ctrl + plus / minus do.
    void stepZoom(int steps);

    // Row heights of the layout.
    int starRowHeight() const { return starRowHeight_; }
    int infoRowHeight() const { return infoRowHeight_; }

    // Takes the font faces of the settings; sizes stay as made, so the rows keep their heights.
    void applyFonts();

  protected:
    void contextMenuEvent(QContextMenuEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void buildButtonBar();
    void buildCentrePanel(const QFont& systemFont);
    void buildPopupMenu();
    void buildZoomCommands();
    void applyZoom();
    // A zoom the user chose: kept for the next chart.
    void chooseZoom(int percent);
    void fitToContent();
    void showLabels();
    void fitTargetBar();
    void ShowTargetDateHint();
    int scaled(int pixels) const;
    void onCellPressed(int column, int row, Qt::MouseButton button);
    QColor palaceBackground(engine::Branch palace) const;

    ChartServices services_;
    ChartDocument document_;
    int starRowHeight_ = 0;
    int infoRowHeight_ = 0;
    int zoom_ = 100;
    QRect centreLayout_;  // the centre panel's place at 100 %

    QWidget* buttonBar_ = nullptr;
    QScrollArea* scrollBox_ = nullptr;
    QWidget* ban_ = nullptr;
    ChartGridView* gridView_ = nullptr;
    QFrame* centre_ = nullptr;
    QWidget* targetBar_ = nullptr;
    QLayout* centreBody_ = nullptr;
    QMenu* zoomMenu_ = nullptr;
    PatternList* patterns_ = nullptr;
    QMenu* popup_ = nullptr;
    QMenu* outPop_ = nullptr;
    QPushButton* outButton_ = nullptr;
    // The target bar: "造命", the target date and the year's stem and branch.
    QLabel* targetCaption_ = nullptr;
    QLabel* targetDateLabel_ = nullptr;
    QLabel* targetYearLabel_ = nullptr;
    // The centre texts from the name down to the 納音命主.
    std::array<QLabel*, 9> centreLabels_{};
};

// "さんの命盤" after the name: the title by which an open chart is found again.
QString ChartTitle(const QString& name);

}  // namespace sorvik::ui
