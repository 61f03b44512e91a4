#pragma once

#include <map>
#include <memory>

#include <QDialog>

#include "output/grid_printer.h"
#include "output/print_grids.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QPrinter;
class QPushButton;
class QSpinBox;
class QTableView;

namespace sorvik::platform {
class KeyStore;
}
namespace sorvik::settings {
class SystemSettings;
}

namespace sorvik::ui {

// What every print preview reads and keeps: the stored margins and enlargement, its placement
// in the layout file of the program's folder, the system font. Installed once at start-up.
struct PreviewServices {
    platform::KeyStore* keys = nullptr;
    QString appDir;
    const settings::SystemSettings* system = nullptr;
};
void installPrintPreview(const PreviewServices& services);

// The one entry to printing a grid: shows the preview modally, from which every page prints.
void showPrintPreview(const output::PrintGrid& grid, const output::PrintLook& look,
                      QWidget* parent);
// A table shown by a view, by its grid name ("HSG" and "NSG" print as their windows' lists;
// any other name as a settings table under a page heading) and its title.
void showTablePreview(const QString& gridName, const QString& title, const QTableView& view,
                      QWidget* parent);

// The print preview 印刷ﾌﾟﾚﾋﾞｭｰ: one page at a time as it comes out of the printer.
class TPrevF : public QDialog {
    Q_OBJECT
  public:
    static constexpr int kHelpTopic = 2004;
    static constexpr int kZoomSteps = 11;  // 100 .. 200 in steps of 10

    TPrevF(const PreviewServices& services, const output::PrintGrid& grid,
           const output::PrintLook& look, QWidget* parent = nullptr);
    ~TPrevF() override;

    // Paginates with the margins and enlargement shown and draws page 1 (再描画).
    void render();
    void NextBtnClick();
    void PrevBtnClick();
    // Prints every page on the printer the print dialog sets up; without a printer into a
    // PDF file the user names. False when cancelled.
    bool PrintBtnClick();

    QString pageLabel() const;
    const QImage& pageImage() const { return image_; }
    const output::GridPrinter& gridPrinter() const { return printer_; }
    QPushButton* button(const QString& name) const;
    QSpinBox* marginBox(const QString& name) const;
    QComboBox* zoomBox() const { return zoomBox_; }
    QCheckBox* colourBox() const { return colourBox_; }

  protected:
    void showEvent(QShowEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void done(int result) override;

  private:
    void buildWindow();
    void readStoredValues();
    void writeStoredValues();
    void keepNormalPlace();
    void showPage();
    void printerSetUp();
    output::PrinterGeometry printerGeometry() const;

    PreviewServices services_;
    const output::PrintGrid& grid_;
    output::PrintLook look_;
    std::unique_ptr<QPrinter> device_;
    output::GridPrinter printer_;
    QImage image_;
    QRect normalPlace_;  // frame position and inside size of the normal window
    QLabel* picture_ = nullptr;
    QLabel* pageLabel_ = nullptr;
    QComboBox* zoomBox_ = nullptr;
    QCheckBox* colourBox_ = nullptr;
    std::map<QString, QSpinBox*> margins_;
    std::map<QString, QPushButton*> buttons_;
};

}  // namespace sorvik::ui
