// Puts a recorded page on paper: the page is painted into a PDF document of
// the page's own sheet, which goes to the printer or into a file. The sheet,
// the origin and the pen come with the page; lines are black and nothing is
// filled.
#pragma once

#include <QByteArray>

#include "ui/printer.h"

class QPainter;

namespace zemlox::qt {

// Paints the page with a painter whose unit is already the point, from the
// sheet's top-left corner.
void paintPage(QPainter& painter, const ui::PrintedPage& page);

// The page as PDF bytes, one sheet of the page's paper; empty on failure.
QByteArray pagePdf(const ui::PrintedPage& page);

}  // namespace zemlox::qt
