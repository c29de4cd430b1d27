// Raster layer painting in twips with one scale on the painter.
#include "ui/qt/raster_layer.h"

#include <QPainter>
#include <algorithm>
#include <cmath>

#include "ui/qt/convert.h"

namespace zemlox::qt {
namespace {

// Far beyond any window: keeps absurd coordinates from overflowing the
// rasteriser while leaving the drawing as it would look.
constexpr double kLimit = 1e6;

bool usable(std::initializer_list<float> v) {
  return std::all_of(v.begin(), v.end(),
                     [](float f) { return std::isfinite(f) && std::fabs(f) < kLimit; });
}

}  // namespace

RasterLayer::RasterLayer(QWidget* widget, float width, float height) : widget_(widget) {
  const qreal dpr = widget->devicePixelRatioF();
  const int w = std::max(1, static_cast<int>(std::ceil(width / kTwipsPerPixel * dpr)));
  const int h = std::max(1, static_cast<int>(std::ceil(height / kTwipsPerPixel * dpr)));
  image_ = QImage(w, h, QImage::Format_ARGB32_Premultiplied);
  image_.setDevicePixelRatio(dpr);
  image_.fill(Qt::transparent);
}

void RasterLayer::begin(QPainter& p) {
  p.begin(&image_);
  p.setRenderHint(QPainter::Antialiasing);
  p.scale(1.0 / kTwipsPerPixel, 1.0 / kTwipsPerPixel);
}

void RasterLayer::dirty(double l, double t, double r, double b) {
  widget_->update(toDirtyPixels(ui::RectF{static_cast<float>(l), static_cast<float>(t),
                                          static_cast<float>(r - l), static_cast<float>(b - t)}));
}

void RasterLayer::clear(const ui::Surface&) {
  image_.fill(Qt::transparent);
  widget_->update();
}

void RasterLayer::line(const ui::Surface&, float x1, float y1, float x2, float y2, ui::Color c) {
  if (!usable({x1, y1, x2, y2})) return;
  QPainter p;
  begin(p);
  QPen pen(toQColor(c));
  pen.setCosmetic(true);
  pen.setWidthF(1.0);
  p.setPen(pen);
  p.drawLine(QPointF(x1, y1), QPointF(x2, y2));
  p.end();
  dirty(std::min(x1, x2) - 15, std::min(y1, y2) - 15, std::max(x1, x2) + 15, std::max(y1, y2) + 15);
}

void RasterLayer::circle(const ui::Surface&, float cx, float cy, float r, ui::Color outline,
                         std::optional<ui::Color> fill) {
  if (!usable({cx, cy, r}) || r < 0) return;
  QPainter p;
  begin(p);
  QPen pen(toQColor(outline));
  pen.setCosmetic(true);
  pen.setWidthF(1.0);
  p.setPen(pen);
  p.setBrush(fill ? QBrush(toQColor(*fill)) : QBrush(Qt::NoBrush));
  p.drawEllipse(QPointF(cx, cy), r, r);
  p.end();
  dirty(cx - r - 15, cy - r - 15, cx + r + 15, cy + r + 15);
}

void RasterLayer::paint(QPainter& p) const { p.drawImage(QPointF(0, 0), image_); }

}  // namespace zemlox::qt
