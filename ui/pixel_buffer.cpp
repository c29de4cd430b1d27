// Pixel buffer filling.
#include "ui/pixel_buffer.h"

#include <algorithm>

namespace ui {

void PixelBuffer::resize(int w, int h, Pixel fill) {
  w_ = std::max(0, w);
  h_ = std::max(0, h);
  px_.assign(static_cast<size_t>(w_) * h_, fill);
}

void PixelBuffer::fill(const PxRect& r, Pixel p) {
  const PxRect c = r.intersected(rect());
  if (c.empty()) return;
  for (int y = c.y; y < c.bottom(); ++y) {
    Pixel* start = px_.data() + static_cast<size_t>(y) * w_ + c.x;
    std::fill(start, start + c.w, p);
  }
}

PxRect PixelBuffer::paintRow(const PxRect& r, Pixel p) {
  PxRect changed;
  const PxRect c = r.intersected(rect());
  for (int y = c.y; y < c.bottom(); ++y) {
    Pixel* row = px_.data() + static_cast<size_t>(y) * w_;
    int first = -1, last = -1;
    for (int x = c.x; x < c.right(); ++x) {
      if (row[x] == p) continue;
      row[x] = p;
      if (first < 0) first = x;
      last = x;
    }
    if (first >= 0) changed = changed.united({first, y, last + 1 - first, 1});
  }
  return changed;
}

void PixelBuffer::fillAll(Pixel p) { std::fill(px_.begin(), px_.end(), p); }

}  // namespace ui
