// Puts a recorded page on paper: the same painting serves the system printer
// and a PDF file. Painter units are points from the top-left corner of the
// printable area; lines are black with the thinnest pen and nothing is filled.
#pragma once

#include <QByteArray>
#include <QString>

#include "ui/printer.h"

class QPainter;
class QPrinter;

namespace zemlox::qt {

// Paints the page with a painter whose unit is already the point.
void paintPage(QPainter& painter, const ui::PrintedPage& page);

// Lays the page out on the printer (the printer's own minimum margins as the
// printable area; portrait where the page fits, else landscape) and paints
// it. False when painting could not begin or the printer reported an error.
bool renderPage(QPrinter& printer, const ui::PrintedPage& page);

// Writes the page as a PDF file with the same layout. False on failure.
bool writePagePdf(const QString& path, const ui::PrintedPage& page);

// The page as a PDF laid out for the named printer: its sheet, its minimum
// margins as the printable area. Empty on failure.
QByteArray pagePdfForPrinter(const QString& printerName, const ui::PrintedPage& page);

}  // namespace zemlox::qt
