#include "grid_printer.h"

#include <QPagedPaintDevice>
#include <QPainter>

namespace sorvik::output {

namespace {

std::vector<int> range(int from, int to) {
    std::vector<int> items;
    for (int i = from; i < to; ++i) {
        items.push_back(i);
    }
    return items;
}

}  // namespace

void GridPrinter::setZoom(int percent) {
    if (percent > 0) {
        zoom_ = percent;
    }
}

void GridPrinter::paginate(const PrinterGeometry& printer) {
    printer_ = printer;
    page_ = {};
    if (TargetGrid == nullptr) {
        return;
    }
    const PrintGrid& grid = *TargetGrid;
    rx_ = static_cast<double>(printer.dpiX) / grid.screenDpi();
    ry_ = static_cast<double>(printer.dpiY) / grid.screenDpi();
    left_ = millimetresToDots(margins.left, printer.dpiX);
    right_ = millimetresToDots(margins.right, printer.dpiX);
    top_ = millimetresToDots(margins.top + TitleMargin, printer.dpiY);
    bottom_ = millimetresToDots(margins.bottom, printer.dpiY);
    Axis rows{{}, grid.fixedRows(), ry_, printer.pageHeight - top_ - bottom_};
    for (int row = 0; row < grid.rowCount(); ++row) {
        rows.sizes.push_back(grid.rowHeight(row));
    }
    Axis columns{{}, grid.fixedColumns(), rx_, printer.pageWidth - left_ - right_};
    for (int column = 0; column < grid.columnCount(); ++column) {
        columns.sizes.push_back(grid.columnWidth(column));
    }
    rowStarts_ = pageStarts(rows, DrawFixedArea);
    columnStarts_ = pageStarts(columns, DrawFixedArea);
    counts_ = {static_cast<int>(columnStarts_.size()), static_cast<int>(rowStarts_.size())};
}

std::vector<int> GridPrinter::rowsOfPage(int rowPage) const {
    const auto at = static_cast<std::size_t>(rowPage - 1);
    const int end = at + 1 < rowStarts_.size() ? rowStarts_[at + 1] : TargetGrid->rowCount();
    return range(rowStarts_[at], end);
}

std::vector<int> GridPrinter::columnsOfPage(int columnPage) const {
    const auto at = static_cast<std::size_t>(columnPage - 1);
    const int end =
        at + 1 < columnStarts_.size() ? columnStarts_[at + 1] : TargetGrid->columnCount();
    return range(columnStarts_[at], end);
}

QImage GridPrinter::renderPage(int screenDpi) {
    kx_ = static_cast<double>(screenDpi) / printer_.dpiX * zoom_ / 100.0;
    ky_ = static_cast<double>(screenDpi) / printer_.dpiY * zoom_ / 100.0;
    QImage image(std::max(1, static_cast<int>(printer_.pageWidth * kx_)),
                 std::max(1, static_cast<int>(printer_.pageHeight * ky_)), QImage::Format_RGB32);
    image.fill(Qt::white);
    const int dotsPerMetre = static_cast<int>(screenDpi / 0.0254 + 0.5);
    image.setDotsPerMeterX(dotsPerMetre);
    image.setDotsPerMeterY(dotsPerMetre);
    if (TargetGrid != nullptr) {
        QPainter painter(&image);
        drawPage(painter, page_);
    }
    return image;
}

void GridPrinter::printAll(QPagedPaintDevice& device) {
    if (TargetGrid == nullptr) {
        return;
    }
    kx_ = ky_ = zoom_ / 100.0;
    QPainter painter(&device);
    bool first = true;
    for (int column = 1; column <= counts_.columns; ++column) {
        for (int row = 1; row <= counts_.rows; ++row) {
            if (!first) {
                device.newPage();
            }
            first = false;
            drawPage(painter, {column, row});
        }
    }
}

void GridPrinter::setUpSurface(QPainter& painter) const {
    painter.setPen(Qt::black);
    painter.setBrush(Qt::NoBrush);
    QFont font = TargetGrid->font();
    // The grid's font is sized for its screen; on paper it keeps its size in points.
    if (font.pixelSize() > 0) {
        font.setPointSizeF(font.pixelSize() * 72.0 / TargetGrid->screenDpi());
    }
    font.setPointSizeF(static_cast<int>(font.pointSizeF() * zoom_ / 100.0 * 100) / 100.0);
    painter.setFont(font);
}

void GridPrinter::drawPage(QPainter& painter, PagePosition page) {
    page_ = page;
    setUpSurface(painter);
    if (OnBeginPage) {
        OnBeginPage(painter);
    }
    setUpSurface(painter);
    double y = top_ * ky_;
    if (DrawFixedArea) {
        for (int row = 0; row < TargetGrid->fixedRows(); ++row) {
            drawRow(painter, row, page.column, y);
        }
    }
    for (const int row : rowsOfPage(page.row)) {
        drawRow(painter, row, page.column, y);
    }
    if (OnEndPage) {
        OnEndPage(painter);
    }
}

void GridPrinter::drawRow(QPainter& painter, int row, int columnPage, double& y) const {
    double x = left_ * kx_;
    const double height = TargetGrid->rowHeight(row) * ry_ * ky_;
    std::vector<int> columns;
    if (DrawFixedArea) {
        columns = range(0, TargetGrid->fixedColumns());
    }
    for (const int column : columnsOfPage(columnPage)) {
        columns.push_back(column);
    }
    const auto widthOf = [&](int column) { return TargetGrid->columnWidth(column) * rx_ * kx_; };
    for (std::size_t i = 0; i < columns.size(); ++i) {
        const int column = columns[i];
        double width = widthOf(column);
        // A spanning cell takes in the columns it covers that stand on this page.
        const int end = column + TargetGrid->columnSpan(column, row);
        while (i + 1 < columns.size() && columns[i + 1] > column && columns[i + 1] < end) {
            width += widthOf(columns[++i]);
        }
        const int left = static_cast<int>(x);
        const CellRect rect{left, static_cast<int>(y), left + static_cast<int>(width),
                            static_cast<int>(y + height)};
        if (OnDrawCell) {
            OnDrawCell(painter, column, row, rect);
        }
        x += width;
    }
    y += height;
}

}  // namespace sorvik::output
