// Drawing layers: lines and circles into the pixel buffer.
#include "ui/drawing_layer.h"

#include <cmath>

#include "ui/raster.h"

namespace ui {

DrawingLayer::DrawingLayer(std::function<void(const PxRect&)> dirty, ByteOrder order)
    : dirty_(std::move(dirty)), order_(order) {}

void DrawingLayer::setBackground(std::optional<Color> background) {
  if (background == background_) return;
  background_ = background;
  redraw();
}

void DrawingLayer::setGrid(const PixelGrid& grid, int w, int h) {
  w = std::max(1, w), h = std::max(1, h);
  if (grid == grid_ && w == extent_.w && h == extent_.h) return;
  extent_ = {0, 0, w, h};
  if (complete_ || buffer_.width() == 0) {
    grid_ = grid;
    buffer_ = {};
    redraw();
    return;
  }
  // Too many operations were drawn to keep them all: stretch what is there.
  const PixelBuffer old = buffer_;
  grid_ = grid;
  buffer_.resize(w, h, backgroundPixel());
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      const Pixel p = old.at(x * old.width() / w, y * old.height() / h);
      if (p != kClearPixel) buffer_.fill({x, y, 1, 1}, p);
    }
  painted_ = buffer_.rect();
  touched(buffer_.rect());
  fresh_ = buffer_.rect();
}

bool DrawingLayer::held() {
  if (buffer_.width() == 0 && !extent_.empty() && (opaque() || !ops_.empty()))
    buffer_.resize(extent_.w, extent_.h, backgroundPixel());
  return buffer_.width() != 0;
}

void DrawingLayer::redraw() {
  // Pixels made just now hold the background already.
  if (buffer_.width() != 0) buffer_.fillAll(backgroundPixel());
  else held();
  painted_ = {};
  for (const DrawOp& op : ops_) draw(op);
  // All of it changed, but only the drawings are painted on.
  fresh_ = extent_;
  if (dirty_) dirty_(extent_);
}

void DrawingLayer::remember(const DrawOp& op) {
  if (!complete_) return;
  if (ops_.size() >= kMaxOps) {
    complete_ = false;
    ops_ = {};
    return;
  }
  ops_.push_back(op);
}

void DrawingLayer::touched(const PxRect& r) {
  const PxRect c = r.intersected(buffer_.rect());
  if (c.empty()) return;
  painted_ = painted_.united(c);
  fresh_ = fresh_.united(c);
  if (dirty_) dirty_(c);
}

void DrawingLayer::clear(const Surface&) {
  ops_.clear();
  complete_ = true;
  buffer_.fillAll(backgroundPixel());
  painted_ = {};
  fresh_ = extent_;
  if (dirty_) dirty_(extent_);
}

void DrawingLayer::line(const Surface&, float x1, float y1, float x2, float y2, Color c) {
  DrawOp op{};
  op.kind = DrawOp::Line;
  op.x1 = x1, op.y1 = y1, op.x2 = x2, op.y2 = y2, op.color = c;
  remember(op);
  draw(op);
}

void DrawingLayer::circle(const Surface&, float cx, float cy, float r, Color outline,
                          std::optional<Color> fill) {
  if (!(r >= 0)) return;
  DrawOp op{};
  op.kind = DrawOp::Circle;
  op.x1 = cx, op.y1 = cy, op.r = r, op.color = outline, op.fill = fill;
  remember(op);
  draw(op);
}

void DrawingLayer::draw(const DrawOp& op) {
  if (!held()) return;
  const int t = grid_.lineWidth(1);
  PxRect bounds;
  const Pixel ink = pixelOf(op.color, order_);
  if (op.kind == DrawOp::Line) {
    lineSpans(grid_.dev(op.x1), grid_.dev(op.y1), grid_.dev(op.x2), grid_.dev(op.y2), t, t, false,
              [&](const PxRect& s) { bounds = bounds.united(buffer_.paintRow(s, ink)); });
  } else {
    // 2r across from outer edge to outer edge, the outline inside it.
    // Only the pixels that change are repainted: a disc drawn over its
    // smaller self each tick changes little more than its ring.
    const SpanFn ring = [&](const PxRect& s) { bounds = bounds.united(buffer_.paintRow(s, ink)); };
    const Pixel inside = op.fill ? pixelOf(*op.fill, order_) : kClearPixel;
    const SpanFn filler = [&](const PxRect& s) { bounds = bounds.united(buffer_.paintRow(s, inside)); };
    circleSpans(grid_.dev(op.x1), grid_.dev(op.y1), 2 * grid_.dev(op.r), t, ring,
                op.fill ? &filler : nullptr, buffer_.rect());
  }
  touched(bounds);
}

}  // namespace ui
