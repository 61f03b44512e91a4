// The chart window's output commands: text, HTML and PDF exports, the copy and the printout.

#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QMenu>
#include <QPushButton>

#include "output/chart_export.h"
#include "output/chart_pdf.h"
#include "output/export_files.h"
#include "output/html_export.h"
#include "output/print_grids.h"
#include "output/text_export.h"
#include "platform/prompts.h"
#include "settings/system_settings.h"
#include "settings/zi_wei_settings.h"
#include "chart_grid_view.h"
#include "chart_window.h"
#include "ui/print/print_preview.h"
#include "ui/common/wait_cursor.h"

namespace sorvik::ui {

namespace {

output::ChartPrinting chartPrinting(const TMeibF& window, const settings::SystemSettings& system) {
    return {window.printHeader(), &window.grid(),
            [&system](int star) { return system.starColour(star); },
            system.font(settings::kChartPrintFont).name,
            [] {
                platform::Prompts::beep();
                platform::Prompts::information(output::chartTooLargeMessage());
            }};
}

}  // namespace

QString TMeibF::printHeader() const {
    return output::chartPrintHeader(chart_);
}

std::vector<int> TMeibF::rowHeights() const {
    std::vector<int> heights;
    for (int row = 0; row < grid_.rowCount(); ++row) {
        heights.push_back(gridView_->rowHeight(row));
    }
    return heights;
}

void TMeibF::SOutClick() {
    const settings::SystemSettings& system = services_.system;
    const QString folder = system.meiFolder();
    const texts::LiveTexts* texts = services_.liveTexts ? services_.liveTexts() : nullptr;
    if (texts == nullptr || !output::CheckOutputFolder(folder)) {
        return;
    }
    output::DescriptionText text;
    {
        const WaitCursor hourglass;
        text = output::descriptionText({chart_, grid_, services_.ziwei.palaceNameTable()},
                                       {services_.appDir, *texts, services_.names});
    }
    const QString path =
        output::outputPath(folder, output::exportFileName(chart_.labels, QStringLiteral(".txt")));
    if (output::confirmOverwrite(path, output::kTextOverwriteQuestion)) {
        output::SaveAndOpen(text.lines, path, system.meiExeName(), services_.appDir);
    }
    if (text.fileError) {
        platform::Prompts::error(*text.fileError);
    }
}

void TMeibF::HTML1Click() {
    const settings::SystemSettings& system = services_.system;
    const QString folder = system.meiFolder();
    if (!output::CheckOutputFolder(folder)) {
        return;
    }
    QStringList lines;
    {
        const WaitCursor hourglass;
        lines = output::WriteChartHtml({chart_, grid_, services_.ziwei.palaceNameTable()});
    }
    const QString path =
        output::outputPath(folder, output::exportFileName(chart_.labels, QStringLiteral(".html")));
    if (output::confirmOverwrite(path, output::kHtmlOverwriteQuestion)) {
        output::SaveAndOpen(lines, path, system.meiExeHtml(), QString());
    }
}

void TMeibF::PdfClick() {
    const settings::SystemSettings& system = services_.system;
    const QString folder = system.meiFolder();
    if (!output::CheckOutputFolder(folder)) {
        return;
    }
    QByteArray bytes;
    {
        const WaitCursor hourglass;
        const output::ChartPrintGrid printGrid(grid_, rowHeights(), gridView_->font());
        output::ChartPrinting printing = chartPrinting(*this, system);
        printing.tooManyPages = nullptr;  // the page is enlarged to fit, never cut
        bytes = output::chartPdf(printGrid, {QString(), true, printing});
    }
    const QString path =
        output::outputPath(folder, output::exportFileName(chart_.labels, QStringLiteral(".pdf")));
    if (output::confirmOverwrite(path, output::kHtmlOverwriteQuestion)) {
        // A PDF opens with the desktop's viewer for it.
        output::SaveAndOpen(bytes, path, QString(), QString());
    }
}

void TMeibF::OutBtnClick() {
    const QPushButton* out = button(QStringLiteral("OutBtn"));
    outPop_->popup(out->mapToGlobal(out->rect().bottomLeft()));
}

void TMeibF::CopyBtnClick() {
    QApplication::clipboard()->setImage(ban_->grab().toImage());
}

void TMeibF::PrtBtnClick() {
    const output::ChartPrintGrid printGrid(grid_, rowHeights(), gridView_->font());
    showPrintPreview(printGrid, {QString(), true, chartPrinting(*this, services_.system)}, this);
    update();
}

}  // namespace sorvik::ui
