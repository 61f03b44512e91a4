// The chart window's output commands: text, HTML and PDF exports, the copy and the printout.

#include <QApplication>
#include <QClipboard>
#include <QFileInfo>
#include <QLabel>
#include <QMenu>
#include <QPushButton>

#include "chart_grid_view.h"
#include "chart_window.h"
#include "output/chart_export.h"
#include "output/chart_pdf.h"
#include "output/export_files.h"
#include "output/html_export.h"
#include "output/print_grids.h"
#include "output/text_export.h"
#include "platform/prompts.h"
#include "platform/shell_open.h"
#include "settings/system_settings.h"
#include "settings/zi_wei_settings.h"
#include "ui/common/wait_cursor.h"
#include "ui/print/print_preview.h"

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

output::ChartExport chartExport(const ChartDocument& document, const ChartServices& services) {
    return {document.chart(),  document.grid(),       services.ziwei.palaceNameTable(),
            document.person(), document.targetDate(), services.names};
}

}  // namespace

QString TMeibF::printHeader() const {
    return output::chartPrintHeader(chart());
}

std::vector<int> TMeibF::rowHeights() const {
    std::vector<int> heights;
    for (int row = 0; row < grid().rowCount(); ++row) {
        heights.push_back(gridView_->rowHeight(row));
    }
    return heights;
}

namespace {

using platform::Prompts;

// The output folder is there (the default one is made on first use), or the user is told where
// to set it.
bool checkOutputFolder(const QString& folder) {
    if (output::outputFolderReady(folder, settings::SystemSettings::defaultOutputFolder())) {
        return true;
    }
    Prompts::beep();
    Prompts::error(output::kOutputFolderMissingMessage);
    return false;
}

// Writes an export after the overwrite question and opens it with the viewer (none: the
// desktop's own); the user hears of every failure.
template <typename Content>
void saveExport(const Content& content, const QString& path, const QString& question,
                const QString& viewer, const QString& workingFolder) {
    if (QFileInfo::exists(path)) {
        Prompts::beep();
        if (!Prompts::askYesNo(platform::BoxStyle::Confirmation,
                               output::overwriteQuestion(path, question))) {
            return;
        }
    }
    const output::WriteOutcome written = output::writeExport(content, path);
    if (!written.written) {
        Prompts::error(output::writeFailedMessage(path, written.reason));
        return;
    }
    const platform::ShellResult opened = platform::shellOpenProgram(viewer, path, workingFolder);
    if (!opened.ok && !opened.message.isEmpty()) {
        Prompts::information(opened.message);
    }
}

}  // namespace

void TMeibF::SOutClick() {
    const settings::SystemSettings& system = services_.system;
    const QString folder = system.meiFolder();
    const texts::LiveTexts* texts = services_.liveTexts ? services_.liveTexts() : nullptr;
    if (texts == nullptr || !checkOutputFolder(folder)) {
        return;
    }
    output::DescriptionText text;
    {
        const WaitCursor hourglass;
        text = output::descriptionText(chartExport(document_, services_),
                                       {services_.appDir, *texts, services_.names});
    }
    const QString path = output::outputPath(
        folder, output::exportFileName(document_.person(), QStringLiteral(".txt")));
    saveExport(text.lines, path, output::kTextOverwriteQuestion, system.meiExeName(),
               services_.appDir);
    if (text.fileError) {
        Prompts::error(*text.fileError);
    }
}

void TMeibF::HTML1Click() {
    const settings::SystemSettings& system = services_.system;
    const QString folder = system.meiFolder();
    if (!checkOutputFolder(folder)) {
        return;
    }
    QStringList lines;
    {
        const WaitCursor hourglass;
        lines = output::WriteChartHtml(chartExport(document_, services_));
    }
    const QString path = output::outputPath(
        folder, output::exportFileName(document_.person(), QStringLiteral(".html")));
    saveExport(lines, path, output::kHtmlOverwriteQuestion, system.meiExeHtml(), QString());
}

void TMeibF::PdfClick() {
    const settings::SystemSettings& system = services_.system;
    const QString folder = system.meiFolder();
    if (!checkOutputFolder(folder)) {
        return;
    }
    QByteArray bytes;
    {
        const WaitCursor hourglass;
        const output::ChartPrintGrid printGrid(grid(), rowHeights(), gridView_->font());
        output::ChartPrinting printing = chartPrinting(*this, system);
        printing.tooManyPages = nullptr;  // the page is enlarged to fit, never cut
        bytes = output::chartPdf(printGrid, {QString(), true, printing});
    }
    const QString path = output::outputPath(
        folder, output::exportFileName(document_.person(), QStringLiteral(".pdf")));
    // A PDF opens with the desktop's viewer for it.
    saveExport(bytes, path, output::kHtmlOverwriteQuestion, QString(), QString());
}

void TMeibF::OutBtnClick() {
    outPop_->popup(outButton_->mapToGlobal(outButton_->rect().bottomLeft()));
}

void TMeibF::CopyBtnClick() {
    QApplication::clipboard()->setImage(ban_->grab().toImage());
}

void TMeibF::PrtBtnClick() {
    const output::ChartPrintGrid printGrid(grid(), rowHeights(), gridView_->font());
    showPrintPreview(printGrid, {QString(), true, chartPrinting(*this, services_.system)}, this);
    update();
}

}  // namespace sorvik::ui
