// Pixel grid rounding and aliased line drawing.
#include "ui/qt/pixel_grid.h"

#include <QPaintDevice>
#include <algorithm>
#include <cmath>

namespace zemlox::qt {
namespace {

// Far beyond any window; keeps absurd coordinates from overflowing ints and
// the rasteriser while leaving what is visible as it would be.
constexpr double kLimit = 1e6;

double clamped(double v) {
  if (!std::isfinite(v)) return v > 0 ? kLimit : -kLimit;
  return std::clamp(v, -kLimit, kLimit);
}

}  // namespace

int PixelGrid::px(double twips) const {
  return static_cast<int>(std::lround(clamped(twips * scale / kTwipsPerPixel)));
}

int PixelGrid::linePx(double twips) const {
  // The nudge keeps a position a rounding error short of an edge on it.
  return static_cast<int>(std::floor(clamped(twips * scale / kTwipsPerPixel) + 1e-6));
}

int PixelGrid::lineWidth(int pixels) const {
  return std::max(1, pixels) * static_cast<int>(std::max(1L, std::lround(scale)));
}

QRect PixelGrid::rect(const ui::RectF& r) const {
  const int l = px(r.left), t = px(r.top);
  return QRect(QPoint(l, t), QPoint(px(static_cast<double>(r.left) + r.width) - 1,
                                    px(static_cast<double>(r.top) + r.height) - 1));
}

QRect PixelGrid::dirty(const ui::RectF& r) const {
  if (!std::isfinite(r.left) || !std::isfinite(r.top) || !std::isfinite(r.width) ||
      !std::isfinite(r.height))
    return QRect(-100000, -100000, 200000, 200000);
  const double k = scale / kTwipsPerPixel;
  const int m = 1 + lineWidth(2);
  auto lo = [&](double t) { return static_cast<int>(std::floor(clamped(t * k))) - m; };
  auto hi = [&](double t) { return static_cast<int>(std::ceil(clamped(t * k))) + m; };
  return QRect(QPoint(lo(r.left), lo(r.top)),
               QPoint(hi(static_cast<double>(r.left) + r.width), hi(static_cast<double>(r.top) + r.height)));
}

ui::RectF PixelGrid::twips(const QRect& d) const {
  const double k = kTwipsPerPixel / scale;
  return ui::RectF{static_cast<float>((d.left() - 1) * k), static_cast<float>((d.top() - 1) * k),
                   static_cast<float>((d.width() + 2) * k), static_cast<float>((d.height() + 2) * k)};
}

void useDevicePixels(QPainter& p) {
  const qreal dpr = p.device() ? p.device()->devicePixelRatio() : 1.0;
  p.setWorldTransform(QTransform::fromScale(1 / dpr, 1 / dpr));
  p.setRenderHint(QPainter::Antialiasing, false);
}

void drawExactLine(QPainter& p, const PixelGrid& g, float x1, float y1, float x2, float y2,
                   const QColor& c, int widthPx, Qt::PenStyle style) {
  const int w = g.lineWidth(widthPx);
  const int a = g.linePx(x1), b = g.linePx(y1), cx = g.linePx(x2), d = g.linePx(y2);
  if (style == Qt::SolidLine && (a == cx || b == d)) {
    // Rows and columns are filled: the cheapest exact path there is. Along
    // the line it covers its end pixels as the layout's pixels scale.
    const int along = g.lineWidth(1) - 1;
    p.fillRect(QRect(QPoint(std::min(a, cx), std::min(b, d)),
                     QPoint(std::max(a, cx) + (b == d ? along : w - 1),
                            std::max(b, d) + (b == d ? w - 1 : along))),
               c);
    return;
  }
  // An aliased pen covers the pixels whose centres lie within half its width
  // of the line: offset by half a width, it covers the same pixels a row or
  // column above would.
  // Lines of one colour follow each other; the pen is only built anew when
  // it changes.
  const QPen& current = p.pen();
  if (current.color() != c || current.width() != w || current.style() != style || !current.isCosmetic()) {
    QPen pen(c);
    pen.setCosmetic(true);
    pen.setWidth(w);
    pen.setStyle(style);
    pen.setCapStyle(Qt::SquareCap);
    p.setPen(pen);
  }
  const double h = w / 2.0;
  p.drawLine(QPointF(a + h, b + h), QPointF(cx + h, d + h));
}

void drawInnerBorder(QPainter& p, const QRect& r, const QColor& c, int width) {
  if (r.isEmpty()) return;
  const int w = std::min({width, (r.width() + 1) / 2, (r.height() + 1) / 2});
  p.fillRect(QRect(r.left(), r.top(), r.width(), w), c);
  p.fillRect(QRect(r.left(), r.bottom() - w + 1, r.width(), w), c);
  p.fillRect(QRect(r.left(), r.top() + w, w, r.height() - 2 * w), c);
  p.fillRect(QRect(r.right() - w + 1, r.top() + w, w, r.height() - 2 * w), c);
}

}  // namespace zemlox::qt
