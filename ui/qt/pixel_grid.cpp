// Painting in device pixels.
#include "ui/qt/pixel_grid.h"

#include <QPaintDevice>

namespace zemlox::qt {

void useDevicePixels(QPainter& p) {
  const qreal dpr = p.device() ? p.device()->devicePixelRatio() : 1.0;
  p.setWorldTransform(QTransform::fromScale(1 / dpr, 1 / dpr));
  p.setRenderHint(QPainter::Antialiasing, false);
}

}  // namespace zemlox::qt
