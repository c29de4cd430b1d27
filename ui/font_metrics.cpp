// Advances, widths and drawn sizes from the fonts' table.
#include "ui/font_metrics.h"

#include <algorithm>
#include <cmath>

#include "ui/utf8.h"

namespace ui {

int FaceMetrics::advance(char32_t c) const {
  const AdvanceRun* end = runs + runCount;
  const AdvanceRun* at = std::upper_bound(runs, end, c, [](char32_t v, const AdvanceRun& r) { return v < r.first; });
  // Below the first run are control characters, which take no room.
  return at == runs ? 0 : at[-1].advance;
}

double FaceMetrics::width(std::string_view s, double sizePx) const {
  long units = 0;
  for (size_t i = 0; i < s.size();) units += advance(nextCodePoint(s, i));
  return static_cast<double>(units) * sizePx / unitsPerEm;
}

TextSize textSize(const Font& f, double scale) {
  const FaceMetrics& m = faceMetrics(typefaceOf(f.face));
  // Lines stand apart by the layout's own line height scaled, so a label's
  // lines keep their places at every zoom; the glyphs are whole pixels.
  const double layoutPx = f.size * 4.0 / 3.0;
  const int px = std::max(1, static_cast<int>(std::lround(std::min(layoutPx * scale, 4000.0))));
  const int step = static_cast<int>(std::lround(layoutPx * (m.ascent + m.descent) / m.unitsPerEm * scale));
  return {px, static_cast<int>(std::lround(static_cast<double>(px) * m.ascent / m.unitsPerEm)), std::max(1, step)};
}

}  // namespace ui
