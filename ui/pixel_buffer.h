// An image at device resolution in memory, as a host copies it to the
// screen: 32-bit pixels in the byte order the host's screen images use (red,
// green, blue, alpha for a canvas; blue, green, red, alpha for Qt's), alpha
// 0 or 255: the pixels are aliased, so straight and premultiplied agree.
#pragma once

#include <cstdint>
#include <vector>

#include "ui/color.h"
#include "ui/pixel_grid.h"

namespace ui {

using Pixel = std::uint32_t;

// Rgba: 0xAABBGGRR, a Color with alpha added. Bgra: 0xAARRGGBB.
enum class ByteOrder { Rgba, Bgra };

inline constexpr Pixel kClearPixel = 0;
inline constexpr Color swapRedBlue(Color c) { return ((c & 0xFF) << 16) | (c & 0xFF00) | ((c >> 16) & 0xFF); }
inline Pixel pixelOf(Color c, ByteOrder o = ByteOrder::Rgba) {
  const Color v = resolve(c) & 0xFFFFFFu;
  return (o == ByteOrder::Rgba ? v : swapRedBlue(v)) | 0xFF000000u;
}
inline Color colorOf(Pixel p, ByteOrder o = ByteOrder::Rgba) {
  return o == ByteOrder::Rgba ? p & 0xFFFFFFu : swapRedBlue(p & 0xFFFFFFu);
}

class PixelBuffer {
 public:
  void resize(int w, int h, Pixel fill);
  int width() const { return w_; }
  int height() const { return h_; }
  PxRect rect() const { return {0, 0, w_, h_}; }
  // Fills the part of `r` inside the buffer.
  void fill(const PxRect& r, Pixel p);
  // Fills the part of a one-row span inside the buffer and returns the part
  // whose pixels changed (a disc over its earlier self changes only a ring).
  PxRect paintRow(const PxRect& r, Pixel p);
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
