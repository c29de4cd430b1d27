// The metrics of the two typefaces every text is drawn in, taken from the
// fonts themselves (font_metrics_table.cpp), and the whole-pixel size,
// baseline and line step a text is drawn at: the same in every host, so a
// label breaks and stands where it does whichever host shows it.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "ui/font.h"

namespace ui {

// Code points from `first` up to the next run's first share one advance.
struct AdvanceRun {
  char32_t first;
  uint16_t advance;  // font units
};

struct FaceMetrics {
  int unitsPerEm;
  int ascent, descent;  // font units, the line the window system sets
  const AdvanceRun* runs;
  size_t runCount;

  int advance(char32_t c) const;  // font units
  // `text` (UTF-8) at `sizePx` pixels, unrounded.
  double width(std::string_view text, double sizePx) const;
};

const FaceMetrics& faceMetrics(Typeface t);

// A font as drawn at a scale, in whole device pixels.
struct TextSize {
  int px;        // the glyphs' size
  int baseline;  // from a line's top
  int lineStep;  // from one line's top to the next
};
TextSize textSize(const Font& f, double scale);

}  // namespace ui
