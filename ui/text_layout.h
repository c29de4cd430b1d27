// Where a label's text breaks into lines, decided once from the font's
// metrics at the layout's own size (100 %) and kept at every zoom, so a text
// stands on the same lines at 100 % and at 300 % in every host. The widths
// are the bundled fonts' own advances (font_metrics.h).
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "ui/font.h"

namespace ui {

// The lines of `text` in a box `width` layout pixels wide: broken between
// words of Latin text and between any two Japanese characters, never before
// closing punctuation or a small kana nor after an opening bracket, and at
// every newline. A text that fits stays one line.
std::vector<std::string> breakLines(const Font& f, const std::string& text, double width);

}  // namespace ui
