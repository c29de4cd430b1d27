// Copying a drawing layer's pixels onto a widget.
#include "ui/qt/layer_copy.h"

#include <QImage>

namespace zemlox::qt {

void copyLayer(QPainter& p, const ui::DrawingLayer& layer, const QRect& deviceClip) {
  const ui::PixelBuffer& b = layer.pixels();
  const ui::PxRect drawn = layer.painted();
  const QRect part = QRect(drawn.x, drawn.y, drawn.w, drawn.h) & deviceClip;
  if (part.isEmpty() || b.width() == 0) return;
  const QImage view(reinterpret_cast<const uchar*>(b.data()), b.width(), b.height(), b.stride(),
                    layer.opaque() ? QImage::Format_RGB32 : QImage::Format_ARGB32_Premultiplied);
  p.drawImage(part.topLeft(), view, part);
}

}  // namespace zemlox::qt
