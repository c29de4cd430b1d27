// Painting in device pixels.
#include "ui/qt/pixel_grid.h"

#include <QPaintDevice>

namespace zemlox::qt {

void useDevicePixels(QPainter& p) {
  const qreal dpr = p.device() ? p.device()->devicePixelRatio() : 1.0;
  // A painter that is already so is left as it is: every repaint starts here.
  if (dpr != 1 || !p.worldTransform().isIdentity()) p.setWorldTransform(QTransform::fromScale(1 / dpr, 1 / dpr));
  if (p.testRenderHint(QPainter::Antialiasing)) p.setRenderHint(QPainter::Antialiasing, false);
}

}  // namespace zemlox::qt
