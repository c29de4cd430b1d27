// Solid fills and drawing layers written straight into the image a raster
// painter draws on: a line's dozens of one-pixel runs then cost a few
// stores each instead of a trip through the paint engine. Anything else (a
// printer, a picture, an unusual format) keeps the painter's own path.
#pragma once

#include <QPainter>
#include <QRect>
#include <algorithm>
#include <vector>

#include "ui/drawing_layer.h"

namespace zemlox::qt {

class DirectFill {
 public:
  // `clip`: painter coordinates (device pixels at the widget's origin).
  DirectFill(QPainter& p, const QRect& clip);
  // False when the painter's device cannot be written to directly.
  bool usable() const { return bits_ != nullptr; }
  // Fills x, y, w, h (painter coordinates) with an opaque QRgb, inside
  // the clip and the area Qt is repainting.
  void fill(int x, int y, int w, int h, unsigned rgb) const {
    const quint32 v = 0xFF000000u | rgb;
    for (const Box& a : allowed_) {
      const int x0 = std::max(x, a.x0), x1 = std::min(x + w, a.x1);
      const int y0 = std::max(y, a.y0), y1 = std::min(y + h, a.y1);
      for (int row = y0; row < y1 && x0 < x1; ++row) {
        auto* p = reinterpret_cast<quint32*>(bits_ + row * stride_);
        std::fill(p + x0, p + x1, v);
      }
    }
  }
  // Copies the drawing layer's part inside `clip` (painter coordinates)
  // as drawn over what is there: false, having written nothing, if a pixel
  // is neither opaque nor clear (the paint engine then blends it).
  bool copy(const ui::DrawingLayer& layer, const QRect& clip) const;

 private:
  struct Box { int x0, y0, x1, y1; };  // x1, y1 past the last pixel
  uchar* bits_ = nullptr;  // the painter's origin
  qsizetype stride_ = 0;
  std::vector<Box> allowed_;  // painter coordinates
};

}  // namespace zemlox::qt
