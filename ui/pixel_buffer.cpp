// Pixel buffer filling.
#include "ui/pixel_buffer.h"

#include <algorithm>
#include <iterator>

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
  const auto other = [p](Pixel q) { return q != p; };
  for (int y = c.y; y < c.bottom(); ++y) {
    Pixel* row = px_.data() + static_cast<size_t>(y) * w_;
    // From the first pixel that differs to the last: what lies between is
    // filled whole, its pixels of the colour already staying as they are.
    Pixel* first = std::find_if(row + c.x, row + c.right(), other);
    if (first == row + c.right()) continue;
    Pixel* end = std::find_if(std::make_reverse_iterator(row + c.right()), std::make_reverse_iterator(first), other).base();
    std::fill(first, end, p);
    const int x = static_cast<int>(first - row);
    changed = changed.united({x, y, static_cast<int>(end - first), 1});
  }
  return changed;
}

void PixelBuffer::fillAll(Pixel p) { std::fill(px_.begin(), px_.end(), p); }

}  // namespace ui
