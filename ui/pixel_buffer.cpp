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

void PixelBuffer::fillAll(Pixel p) { std::fill(px_.begin(), px_.end(), p); }

}  // namespace ui
