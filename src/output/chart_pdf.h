#pragma once

#include <QByteArray>

#include "output/print_grids.h"

// The chart as printed, on one A4 landscape page of a PDF file.
namespace sorvik::output {

// The PDF's bytes. The chart is enlarged in steps of 10 % up to 200 % while it still fits the
// page inside the printing margins.
QByteArray chartPdf(const ChartPrintGrid& grid, const PrintLook& look,
                    const PageMargins& margins = {10, 5, 10, 10});

}  // namespace sorvik::output
