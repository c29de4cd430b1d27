// A printed page as a PDF file of its own, for a pupil to hand in: the page's
// lines, rectangles and circles as vector paths in the paper's pen, and its
// text in the standard Japanese gothic font that PDF readers supply (nothing
// embedded, so the file stays a few kilobytes), placed on the same baselines.
#pragma once

#include <string>

#include "ui/printer.h"

namespace ui {

std::string pdfOf(const PrintedPage& page);

}  // namespace ui
