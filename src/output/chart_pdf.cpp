#include "chart_pdf.h"

#include <algorithm>

#include <QBuffer>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>

namespace sorvik::output {

namespace {

constexpr int kPdfDpi = 300;
constexpr int kExtraBottomMargin = 5;  // millimetres, as every printout has

int fittingZoom(const PrintGrid& grid, const GridPrinter& printer) {
    int width = 0;
    int height = 0;
    for (int column = 0; column < grid.columnCount(); ++column) {
        width += grid.columnWidth(column);
    }
    for (int row = 0; row < grid.rowCount(); ++row) {
        height += grid.rowHeight(row);
    }
    const PrinterGeometry& page = printer.printer();
    const double across = (page.pageWidth - 2.0 * printer.leftDots()) /
                          (width * static_cast<double>(page.dpiX) / grid.screenDpi());
    const double down = (page.pageHeight - 2.0 * printer.topDots()) /
                        (height * static_cast<double>(page.dpiY) / grid.screenDpi());
    const int steps = static_cast<int>(std::min(across, down) * 10);
    return std::clamp(steps * 10, 100, 200);
}

}  // namespace

QByteArray chartPdf(const ChartPrintGrid& grid, const PrintLook& look, const PageMargins& margins) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter writer(&buffer);
    writer.setResolution(kPdfDpi);
    writer.setPageLayout(
        QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Landscape, QMarginsF()));
    const QRect sheet = writer.pageLayout().fullRectPixels(kPdfDpi);

    GridPrinter printer;
    printer.TargetGrid = &grid;
    printer.margins = {margins.top, margins.bottom + kExtraBottomMargin, margins.left,
                       margins.right};
    printer.paginate({kPdfDpi, kPdfDpi, sheet.width(), sheet.height()});
    printer.setZoom(fittingZoom(grid, printer));
    setUpDrawing(printer, look);
    printer.printAll(writer);
    return bytes;
}

}  // namespace sorvik::output
