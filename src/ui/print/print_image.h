#pragma once

#include <functional>

class QImage;
class QPrinter;
class QWidget;

namespace sorvik::ui {

// Prints the image on one page, as large as the page allows, after the printer dialog. Where
// the system has no printer it prints into a PDF file the user names instead. False when the
// user cancelled; throws sorvik::Error when printing cannot start or the file cannot be written.
bool printImage(const QImage& image, QWidget* parent);

// Paints on the printer after the printer dialog; where the system has no printer, on a PDF
// printer of the same page layout whose file replaces the one the user names. False when the
// user cancelled.
bool printOrSavePdf(QPrinter& printer, QWidget* parent,
                    const std::function<void(QPrinter&)>& paint);

}  // namespace sorvik::ui
