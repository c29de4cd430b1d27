// Painting in device pixels.
#include "ui/qt/logical_pixels.h"

#include <QPaintDevice>
#include <cmath>

namespace zemlox::qt {

QRect widgetRect(const ui::RectF& r, double zoom, double ratio) {
  return widgetRect(PixelGrid{zoom * ratio, ratio}.areaRect(r), ratio);
}

QRect widgetRect(const ui::PxRect& d, double ratio) {
  auto logical = [&](int device) { return static_cast<int>(std::lround(device / ratio)); };
  const int l = logical(d.x), t = logical(d.y);
  return QRect(l, t, logical(d.right()) - l, logical(d.bottom()) - t);
}

void useDevicePixels(QPainter& p) {
  const qreal dpr = p.device() ? p.device()->devicePixelRatio() : 1.0;
  // A painter that is already so is left as it is: every repaint starts here.
  if (dpr != 1 || !p.worldTransform().isIdentity()) p.setWorldTransform(QTransform::fromScale(1 / dpr, 1 / dpr));
  if (p.testRenderHint(QPainter::Antialiasing)) p.setRenderHint(QPainter::Antialiasing, false);
}

}  // namespace zemlox::qt
