#include "print_image.h"

#include <optional>

#include <QImage>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QTemporaryDir>

#include "platform/atomic_file.h"
#include "platform/errors.h"
#include "platform/prompts.h"

namespace sorvik::ui {

using platform::Prompts;

namespace {

void paintOnPage(const QImage& image, QPrinter& printer) {
    QPainter painter;
    if (!painter.begin(&printer)) {
        throw Error("印刷を開始できませんでした。");
    }
    const QRect page = painter.viewport();
    const QSize size = image.size().scaled(page.size(), Qt::KeepAspectRatio);
    painter.drawImage(QRect(page.topLeft(), size), image);
}

}  // namespace

bool printImage(const QImage& image, QWidget* parent) {
    QPrinter printer(QPrinter::HighResolution);
    return printOrSavePdf(printer, parent, [&image](QPrinter& on) { paintOnPage(image, on); });
}

bool printOrSavePdf(QPrinter& printer, QWidget* parent,
                    const std::function<void(QPrinter&)>& paint) {
    if (!QPrinterInfo::availablePrinterNames().isEmpty()) {
        if (!Prompts::choosePrinter(printer, parent)) {
            return false;
        }
        paint(printer);
        return true;
    }
    const QString path =
        Prompts::saveFileName(parent, QStringLiteral("PDFファイルに印刷"), QString(),
                              QStringLiteral("PDF (*.pdf)"), QStringLiteral("pdf"));
    if (path.isEmpty()) {
        return false;
    }
    // The printer writes a file of its own; the user's file is replaced only by a whole one.
    const QTemporaryDir scratch;
    if (!scratch.isValid()) {
        throw platform::FileError(QStringLiteral("一時フォルダを作成できませんでした。"));
    }
    const QString printed = scratch.filePath(QStringLiteral("print.pdf"));
    QPrinter pdf(QPrinter::HighResolution);
    pdf.setFullPage(printer.fullPage());
    pdf.setPageLayout(printer.pageLayout());
    pdf.setOutputFormat(QPrinter::PdfFormat);
    pdf.setOutputFileName(printed);
    paint(pdf);
    platform::writeFileAtomically(path, platform::readWholeFile(printed));
    return true;
}

}  // namespace sorvik::ui
