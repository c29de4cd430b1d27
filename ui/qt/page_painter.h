// Puts a recorded page on paper: the page is painted into a PDF document,
// which goes to the printer or into a file. Painter units are points from
// the top-left corner of the printable area; lines are black with the
// thinnest pen and nothing is filled.
#pragma once

#include <QByteArray>
#include <QPageLayout>

#include "ui/printer.h"

class QPainter;

namespace zemlox::qt {

// The document's name: the print job's, the PDF's title and its file's.
inline constexpr char kDocumentName[] = "地震観測の記録";

// Paints the page with a painter whose unit is already the point.
void paintPage(QPainter& painter, const ui::PrintedPage& page);

// The sheet of a PDF file of its own: A4, printable to its edges.
QPageLayout pdfFileSheet();

// The page as PDF bytes on the given sheet, whose margins bound the
// printable area; upright where the page fits, else turned. Empty on failure.
QByteArray pagePdf(const ui::PrintedPage& page, const QPageLayout& sheet);

}  // namespace zemlox::qt
