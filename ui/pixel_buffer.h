// An image at device resolution in memory, as every host copies it to the
// screen: 32-bit pixels whose bytes are red, green, blue and alpha (alpha
// 0 or 255: the pixels are aliased, so straight and premultiplied agree).
#pragma once

#include <cstdint>
#include <vector>

#include "ui/color.h"
#include "ui/pixel_grid.h"

namespace ui {

using Pixel = std::uint32_t;  // 0xAABBGGRR, so a Color is its pixel with alpha added

inline constexpr Pixel kClearPixel = 0;
inline Pixel pixelOf(Color c) { return (resolve(c) & 0xFFFFFFu) | 0xFF000000u; }
inline Color colorOf(Pixel p) { return p & 0xFFFFFFu; }

class PixelBuffer {
 public:
  void resize(int w, int h, Pixel fill);
  int width() const { return w_; }
  int height() const { return h_; }
  PxRect rect() const { return {0, 0, w_, h_}; }
  // Fills the part of `r` inside the buffer.
  void fill(const PxRect& r, Pixel p);
  void fillAll(Pixel p);
  Pixel at(int x, int y) const { return px_[static_cast<size_t>(y) * w_ + x]; }
  const Pixel* row(int y) const { return px_.data() + static_cast<size_t>(y) * w_; }
  const Pixel* data() const { return px_.data(); }
  // Bytes from one row to the next.
  int stride() const { return w_ * 4; }

 private:
  int w_ = 0, h_ = 0;
  std::vector<Pixel> px_;
};

}  // namespace ui
