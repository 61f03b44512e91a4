#pragma once

#include <array>
#include <functional>
#include <optional>

#include <QColor>
#include <QDialog>
#include <QFont>

#include "settings/system_settings.h"

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTabWidget;
class QTableView;
class QTableWidget;

namespace sorvik::ui {

class TMainF;
class StarDisplayModel;
class InfoRowModel;

// TSysF "ｼｽﾃﾑ設定": the dialog over the system settings. Edits reach the store at once (the
// readers see them); ｷｬﾝｾﾙ reloads the settings file, OK checks and writes it.
class TSysF : public QDialog {
    Q_OBJECT
  public:
    static constexpr int kHelpTopic = 5001;
    static constexpr int kWidth = 448;

    TSysF(TMainF& mainWindow, settings::SystemSettings& store, QWidget* parent = nullptr);
    ~TSysF() override;

    settings::SystemSettings& store() { return store_; }

    // The settings file and the name file from the main window, then the file itself; what
    // the load met in the file is told unless quiet (the start-up tells it after the splash).
    void LoadSettings(bool quiet = false);
    // OK: checks, saves and closes; false (after its message) when refused or unsaved. Also
    // what the main window runs at exit.
    bool OKBtnClick();
    // The save at exit: OK's, except while the defaults stand in for a damaged settings file
    // that the user has not looked at since (the start-up has said so; the file stays as it
    // is).
    bool saveAtExit();
    void CancelBtnClick();
    // "初期値に戻す": the values of the settings file that ships with the program, which OK
    // then saves.
    void fillShippedDefaults();
    void printPreview();

    // Seams for the common dialogs, so that tests can answer them.
    std::function<std::optional<QColor>(const QColor&)> pickColour;
    std::function<std::optional<QFont>(const QFont&)> pickFont;
    // The print preview of a grid, with its title (set at start-up).
    std::function<void(const QString&, const QTableView&)> openPrintPreview;

    QTabWidget* tabs() const { return tabs_; }
    QTableView* starTable() const { return starTable_; }
    QTableView* infoTable() const { return infoTable_; }
    QComboBox* infoItemList() const { return itemList_; }
    QLineEdit* dateField() const { return dateE_; }
    // Clicks of the colour panels, the font buttons and the star table's "参照".
    void pickPanelColour(int which);
    void pickFontFor(settings::FontRole role);
    void pickStarColour();
    void chooseSettingsFile();

  protected:
    void showEvent(QShowEvent* event) override;
    void done(int result) override;

  private:
    QWidget* buildBasicTab();
    QWidget* buildFileRows(QWidget* page);
    QGroupBox* buildFontGroup(QWidget* page);
    QGroupBox* buildTargetDateGroup(QWidget* page);
    QWidget* buildChartTab();
    QGroupBox* buildShapeGroup(QWidget* page);
    QGroupBox* buildColourGroup(QWidget* page);
    QGroupBox* buildInfoGroup(QWidget* page);
    QWidget* buildStarTab();
    QWidget* buildDetailTab();
    QGroupBox* buildShownContentGroup(QWidget* page);
    QGroupBox* buildStarListWidthGroup(QWidget* page);
    void refresh();
    void refreshFontLabels(bool withSize);
    void refreshPanels();
    void showItemOfCurrentCell();

    TMainF& main_;
    settings::SystemSettings& store_;
    StarDisplayModel* starModel_ = nullptr;
    InfoRowModel* infoModel_ = nullptr;

    QTabWidget* tabs_ = nullptr;
    QLineEdit* nameFile_ = nullptr;
    QLineEdit* sysFile_ = nullptr;
    QLineEdit* exeName_ = nullptr;
    QLineEdit* exeHtml_ = nullptr;
    QLineEdit* folder_ = nullptr;
    std::array<QLabel*, settings::kFontCount> fontLabels_{};
    std::array<QCheckBox*, 5> scb_{};
    QButtonGroup* nrg_ = nullptr;
    QLineEdit* dateE_ = nullptr;
    QLineEdit* bcbm_ = nullptr;
    QComboBox* banY_ = nullptr;
    QComboBox* banX_ = nullptr;
    std::array<QPushButton*, 4> panels_{};
    QTableView* infoTable_ = nullptr;
    QComboBox* itemList_ = nullptr;
    QTableView* starTable_ = nullptr;
    std::array<QCheckBox*, 3> pcg_{};
    QTableWidget* widths_ = nullptr;
    bool shownSinceLoad_ = false;
};

}  // namespace sorvik::ui
