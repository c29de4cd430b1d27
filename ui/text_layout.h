// Where a label's text breaks into lines, decided once from the font's
// metrics at the layout's own size (100 %) and kept at every zoom, so a text
// stands on the same lines at 100 % and at 300 % in every host. The host
// supplies the metrics of the fonts it draws with; glyphs stay its job.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "ui/font.h"

namespace ui {

class TextMetrics {
 public:
  virtual ~TextMetrics() = default;
  // In pixels, for `font` at `sizePx` pixels (bold as the font says).
  virtual double width(const Font& font, double sizePx, std::string_view text) const = 0;
  virtual double lineHeight(const Font& font, double sizePx) const = 0;
};

// A font's size in pixels at a scale: a point is 4/3 of a pixel at 96 dpi.
inline double fontPixels(const Font& f, double scale) { return f.size * 4.0 / 3.0 * scale; }

// The metrics labels are broken with: the host's once it has set them, else
// an estimate (a full-width character one em, ASCII half of one).
void setTextMetrics(const TextMetrics* metrics);
const TextMetrics& textMetrics();

// The lines of `text` in a box `width` layout pixels wide: broken between
// words of Latin text and between any two Japanese characters, never before
// closing punctuation or a small kana nor after an opening bracket, and at
// every newline. A text that fits stays one line.
std::vector<std::string> breakLines(const TextMetrics& m, const Font& f, const std::string& text,
                                    double width);

}  // namespace ui
