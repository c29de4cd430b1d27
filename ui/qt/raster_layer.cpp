// Raster layer painting on the device pixel grid, aliased like the window
// system's own drawing: exact colours, and the raster engine's fast paths.
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

ui::DrawOp makeOp(ui::DrawOp::Kind k) {
  ui::DrawOp op{};
  op.kind = k;
  return op;
}

}  // namespace

RasterLayer::RasterLayer(QWidget* widget) : widget_(widget) {}

void RasterLayer::setBackground(std::optional<QColor> background) {
  if (background == background_) return;
  background_ = background;
  if (!image_.isNull()) redraw();
}

void RasterLayer::setGrid(const PixelGrid& grid, QSize deviceSize) {
  deviceSize = deviceSize.expandedTo(QSize(1, 1));
  if (grid == grid_ && deviceSize == image_.size()) return;
  const QImage old = image_;
  grid_ = grid;
  image_ = QImage(deviceSize, background_ ? QImage::Format_RGB32 : QImage::Format_ARGB32_Premultiplied);
  if (complete_ || old.isNull()) {
    redraw();
    return;
  }
  // Too many operations were drawn to keep them all: stretch what is there.
  image_.fill(background_ ? *background_ : QColor(Qt::transparent));
  QPainter p(&image_);
  p.setRenderHint(QPainter::SmoothPixmapTransform);
  p.drawImage(QRect(QPoint(0, 0), deviceSize), old);
  painted_ = image_.rect();
}

void RasterLayer::redraw() {
  image_.fill(background_ ? *background_ : QColor(Qt::transparent));
  painted_ = QRect();
  for (const ui::DrawOp& op : ops_) draw(op);
  widget_->update();
}

void RasterLayer::remember(const ui::DrawOp& op) {
  if (!complete_) return;
  if (ops_.size() >= kMaxOps) {
    complete_ = false;
    ops_ = {};
    return;
  }
  ops_.push_back(op);
}

void RasterLayer::dirty(const QRect& device) {
  painted_ |= device;
  // Widget updates are in logical pixels; the margin covers their rounding.
  const double dpr = widget_->devicePixelRatioF();
  const QRectF logical(device.x() / dpr, device.y() / dpr, device.width() / dpr, device.height() / dpr);
  widget_->update(logical.toAlignedRect().adjusted(-1, -1, 1, 1));
}

void RasterLayer::clear(const ui::Surface&) {
  ops_.clear();
  complete_ = true;
  image_.fill(background_ ? *background_ : QColor(Qt::transparent));
  painted_ = QRect();
  widget_->update();
}

void RasterLayer::line(const ui::Surface&, float x1, float y1, float x2, float y2, ui::Color c) {
  if (!usable({x1, y1, x2, y2})) return;
  ui::DrawOp op = makeOp(ui::DrawOp::Line);
  op.x1 = x1, op.y1 = y1, op.x2 = x2, op.y2 = y2, op.color = c;
  remember(op);
  draw(op);
}

void RasterLayer::circle(const ui::Surface&, float cx, float cy, float r, ui::Color outline,
                         std::optional<ui::Color> fill) {
  if (!usable({cx, cy, r}) || r < 0) return;
  ui::DrawOp op = makeOp(ui::DrawOp::Circle);
  op.x1 = cx, op.y1 = cy, op.r = r, op.color = outline, op.fill = fill;
  remember(op);
  draw(op);
}

void RasterLayer::draw(const ui::DrawOp& op) {
  if (image_.isNull()) return;
  QPainter p(&image_);
  const int w = grid_.lineWidth(1);
  QRect bounds;
  if (op.kind == ui::DrawOp::Line) {
    drawExactLine(p, grid_, op.x1, op.y1, op.x2, op.y2, toQColor(op.color), 1);
    bounds = QRect(QPoint(grid_.linePx(std::min(op.x1, op.x2)), grid_.linePx(std::min(op.y1, op.y2))),
                   QPoint(grid_.linePx(std::max(op.x1, op.x2)) + w, grid_.linePx(std::max(op.y1, op.y2)) + w));
  } else {
    bounds = grid_.rect(ui::RectF{op.x1 - op.r, op.y1 - op.r, 2 * op.r, 2 * op.r});
    if (bounds.isEmpty()) bounds = QRect(grid_.px(op.x1), grid_.px(op.y1), 1, 1);
    QPen pen(toQColor(op.color));
    pen.setCosmetic(true);
    pen.setWidth(w);
    p.setPen(pen);
    p.setBrush(op.fill ? QBrush(toQColor(*op.fill)) : QBrush(Qt::NoBrush));
    // Inset by half a pen width, the outline's outer pixels are the
    // rectangle's edges.
    const double h = w / 2.0;
    p.drawEllipse(QRectF(bounds.x() + h, bounds.y() + h, std::max(0.0, bounds.width() - 2 * h),
                         std::max(0.0, bounds.height() - 2 * h)));
  }
  p.end();
  dirty(bounds.adjusted(-w, -w, w, w));
}

void RasterLayer::paint(QPainter& p, const QRect& deviceClip) const {
  const QRect part = (opaque() ? image_.rect() : painted_ & image_.rect()) & deviceClip;
  if (part.isEmpty()) return;
  p.drawImage(part.topLeft(), image_, part);
}

}  // namespace zemlox::qt
