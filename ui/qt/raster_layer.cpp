// Copying a drawing layer's pixels onto a widget.
#include "ui/qt/raster_layer.h"

#include <QImage>
#include <cmath>

namespace zemlox::qt {

RasterLayer::RasterLayer(QWidget* widget)
    : ui::DrawingLayer([widget](const ui::PxRect& d) {
        // Widget updates are in logical pixels. At a whole pixel ratio the
        // aligned rectangle covers the drawing's pixels exactly; at a
        // fractional one a margin covers Qt's rounding back to device pixels.
        const double dpr = widget->devicePixelRatioF();
        const QRect logical = QRectF(d.x / dpr, d.y / dpr, d.w / dpr, d.h / dpr).toAlignedRect();
        widget->update(dpr == std::floor(dpr) ? logical : logical.adjusted(-1, -1, 1, 1));
      }, ui::ByteOrder::Bgra) {}

void copyLayer(QPainter& p, const ui::DrawingLayer& layer, const QRect& deviceClip) {
  const ui::PixelBuffer& b = layer.pixels();
  const ui::PxRect drawn = layer.painted();
  const QRect part = QRect(drawn.x, drawn.y, drawn.w, drawn.h) & deviceClip;
  if (part.isEmpty() || b.width() == 0) return;
  // The buffer is in Qt's own byte order (RasterLayer): copied as it is.
  const QImage view(reinterpret_cast<const uchar*>(b.data()), b.width(), b.height(), b.stride(),
                    layer.opaque() ? QImage::Format_RGB32 : QImage::Format_ARGB32_Premultiplied);
  p.drawImage(part.topLeft(), view, part);
}

}  // namespace zemlox::qt
