#pragma once

#include <functional>
#include <vector>

#include <QFont>
#include <QImage>
#include <QRect>
#include <QString>

#include "output/pagination.h"

class QPainter;
class QPagedPaintDevice;

// Prints a grid over as many pages as it needs: pagination in printer pixels, one page
// rendered at screen resolution for the preview, or every page on a printer or PDF file.
namespace sorvik::output {

// A grid as the printer sees it: its name tells how its cells are drawn.
class PrintGrid {
  public:
    virtual ~PrintGrid() = default;
    virtual QString name() const = 0;  // "BSG", "LSG", "NSG", "HSG" or another table
    virtual int rowCount() const = 0;
    virtual int columnCount() const = 0;
    virtual int fixedRows() const { return 0; }
    virtual int fixedColumns() const { return 0; }
    virtual int rowHeight(int row) const = 0;       // screen pixels
    virtual int columnWidth(int column) const = 0;  // screen pixels
    // A cell that covers the next columns of its row too, as many as it spans.
    virtual int columnSpan(int /*column*/, int /*row*/) const { return 1; }
    virtual QString text(int column, int row) const = 0;
    virtual QFont font() const = 0;
    virtual int screenDpi() const { return 96; }
};

// The printer's resolution and the whole sheet in its pixels.
struct PrinterGeometry {
    int dpiX = 600;
    int dpiY = 600;
    int pageWidth = 0;
    int pageHeight = 0;
};

// A cell's rectangle as the page gives it: right and bottom are the edges after the cell.
struct CellRect {
    int left = 0, top = 0, right = 0, bottom = 0;
    bool operator==(const CellRect&) const = default;
};

class GridPrinter {
  public:
    using PageEvent = std::function<void(QPainter&)>;
    using CellEvent = std::function<void(QPainter&, int column, int row, const CellRect& rect)>;

    const PrintGrid* TargetGrid = nullptr;
    PageMargins margins;  // millimetres
    double TitleMargin = 0;
    bool DrawFixedArea = true;
    PageEvent OnBeginPage;
    CellEvent OnDrawCell;
    PageEvent OnEndPage;

    // Only a positive zoom is taken.
    void setZoom(int percent);
    int zoom() const { return zoom_; }

    void paginate(const PrinterGeometry& printer);
    PageCounts counts() const { return counts_; }
    const std::vector<int>& rowPageStarts() const { return rowStarts_; }
    const std::vector<int>& columnPageStarts() const { return columnStarts_; }
    PagePosition page() const { return page_; }
    void setPage(PagePosition page) { page_ = page; }

    // The current page at the screen's resolution, on white.
    QImage renderPage(int screenDpi = 96);
    // Every page, column page by column page and each from row page 1 down, one sheet each.
    // The device's painter origin must be the sheet's top left.
    void printAll(QPagedPaintDevice& device);

    // The margins in printer pixels and the scale of the surface being drawn.
    int leftDots() const { return left_; }
    int topDots() const { return top_; }
    double scaleX() const { return kx_; }
    double scaleY() const { return ky_; }
    const PrinterGeometry& printer() const { return printer_; }

  private:
    void drawPage(QPainter& painter, PagePosition page);
    void setUpSurface(QPainter& painter) const;
    void drawRow(QPainter& painter, int row, int columnPage, double& y) const;
    std::vector<int> rowsOfPage(int rowPage) const;
    std::vector<int> columnsOfPage(int columnPage) const;

    int zoom_ = 100;
    PrinterGeometry printer_;
    int left_ = 0, right_ = 0, top_ = 0, bottom_ = 0;
    double rx_ = 1, ry_ = 1, kx_ = 1, ky_ = 1;
    std::vector<int> rowStarts_{0}, columnStarts_{0};
    PageCounts counts_;
    PagePosition page_;
};

}  // namespace sorvik::output
