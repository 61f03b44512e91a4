#pragma once

class QImage;
class QWidget;

namespace sorvik::ui {

// Prints the image on one page, as large as the page allows, after the printer dialog. Where
// the system has no printer it prints into a PDF file the user names instead. False when the
// user cancelled; throws sorvik::Error when printing cannot start or the file cannot be written.
bool printImage(const QImage& image, QWidget* parent);

}  // namespace sorvik::ui
