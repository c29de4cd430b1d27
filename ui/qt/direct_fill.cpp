// Writing solid fills into a raster painter's image.
#include "ui/qt/direct_fill.h"

#include <QImage>
#include <QPaintEngine>
#include <QRegion>
#include <algorithm>
#include <cmath>

namespace zemlox::qt {
namespace {

// Pixels of a see-through layer copied here at most.
constexpr int kMostSeeThrough = 4096;

}  // namespace

DirectFill::DirectFill(QPainter& p, const QRect& clip) {
  QPaintEngine* engine = p.paintEngine();
  if (!engine || engine->type() != QPaintEngine::Raster) return;
  QPaintDevice* device = engine->paintDevice();
  if (!device || device->devType() != QInternal::Image) return;
  auto* image = static_cast<QImage*>(device);
  const QImage::Format f = image->format();
  if (f != QImage::Format_RGB32 && f != QImage::Format_ARGB32 && f != QImage::Format_ARGB32_Premultiplied) return;
  // The painter may only move the origin by whole pixels (a child widget's
  // place in its window's image).
  const QTransform t = p.deviceTransform();
  if (t.type() > QTransform::TxTranslate || t.dx() != std::floor(t.dx()) || t.dy() != std::floor(t.dy())) return;
  const int dx = static_cast<int>(t.dx()), dy = static_cast<int>(t.dy());
  // What Qt repaints (the system clip, in image coordinates) excludes the
  // children that paint themselves.
  const QRect inImage = clip.translated(dx, dy) & image->rect();
  auto allow = [&](const QRect& r) {
    if (!r.isEmpty()) allowed_.push_back({r.left() - dx, r.top() - dy, r.right() + 1 - dx, r.bottom() + 1 - dy});
  };
  const QRegion system = engine->systemClip();
  if (system.isEmpty()) allow(inImage);
  for (const QRect& r : system) allow(r & inImage);
  stride_ = image->bytesPerLine();
  bits_ = image->bits() + dy * stride_ + dx * 4;
}

bool DirectFill::copy(const ui::DrawingLayer& layer, const QRect& clip) const {
  const ui::PixelBuffer& b = layer.pixels();
  const ui::PxRect drawn = layer.painted();
  const QRect part = QRect(drawn.x, drawn.y, drawn.w, drawn.h) & clip & QRect(0, 0, b.width(), b.height());
  if (part.isEmpty()) return true;
  // The buffer is in Qt's byte order. A layer's pixels are its drawings'
  // own colours or clear, so drawn over they replace or leave what is there.
  // A wide part of a see-through layer is the paint engine's: it skips
  // clear pixels many at a time.
  const bool opaque = layer.opaque();
  if (!opaque && part.width() * part.height() > kMostSeeThrough) return false;
  if (!opaque)
    for (int y = part.top(); y <= part.bottom(); ++y) {
      const ui::Pixel* s = b.row(y);
      for (int x = part.left(); x <= part.right(); ++x)
        if (s[x] != 0 && s[x] >> 24 != 0xFF) return false;
    }
  for (const Box& a : allowed_) {
    const int x0 = std::max(part.left(), a.x0), x1 = std::min(part.right() + 1, a.x1);
    const int y0 = std::max(part.top(), a.y0), y1 = std::min(part.bottom() + 1, a.y1);
    for (int row = y0; row < y1 && x0 < x1; ++row) {
      const ui::Pixel* s = b.row(row);
      auto* d = reinterpret_cast<quint32*>(bits_ + row * stride_);
      if (opaque) {
        std::copy(s + x0, s + x1, d + x0);
        continue;
      }
      for (int x = x0; x < x1; ++x)
        if (s[x] != 0) d[x] = s[x];
    }
  }
  return true;
}

}  // namespace zemlox::qt
