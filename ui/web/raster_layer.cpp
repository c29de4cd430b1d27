// Raster layers on offscreen canvases.
#include "ui/web/raster_layer.h"

#include <algorithm>
#include <cmath>

#include "ui/web/dom.h"

namespace zemlox::web {

RasterLayer::RasterLayer(std::function<void(const Span&)> dirty)
    : dirty_(std::move(dirty)), id_(dom::create(dom::Kind::Layer, 0)) {}

RasterLayer::~RasterLayer() { dom::remove(id_); }

void RasterLayer::resize(const Scale& scale, int w, int h) {
  if (scale.s == scale_.s && w == w_ && h == h_) return;
  scale_ = scale;
  w_ = w;
  h_ = h;
  pending_.clear();
  dom::resizeCanvas(id_, std::max(1, w), std::max(1, h));
  for (const Drawing& d : drawn_) draw(d);
}

void RasterLayer::clear(const ui::Surface&) {
  drawn_.clear();
  pending_.clear();
  pending_.erase({0, 0, w_, h_});
  dirty_({0, 0, w_, h_});
}

void RasterLayer::line(const ui::Surface&, float x1, float y1, float x2, float y2, ui::Color c) {
  Drawing d{false, x1, y1, x2, y2, c, std::nullopt};
  drawn_.push_back(d);
  draw(d);
}

void RasterLayer::circle(const ui::Surface&, float cx, float cy, float r, ui::Color outline,
                         std::optional<ui::Color> fill) {
  if (!(r >= 0)) return;
  Drawing d{true, cx, cy, r, 0, outline, fill};
  drawn_.push_back(d);
  draw(d);
}

void RasterLayer::draw(const Drawing& d) {
  const int t = scale_.thickness(1);
  int l = 1 << 30, tp = 1 << 30, r = -(1 << 30), b = -(1 << 30);
  auto grow = [&](const Span& s) {
    l = std::min(l, s.x), tp = std::min(tp, s.y);
    r = std::max(r, s.x + s.w), b = std::max(b, s.y + s.h);
  };
  if (d.circle) {
    // The outline is centred on the radius, as a one-pixel pen would draw it.
    const double diameter = 2 * scale_.dev(d.c) + t;
    const double cx = scale_.dev(d.a), cy = scale_.dev(d.b);
    std::vector<Span> ring, inside;
    const SpanFn keepInside = [&](const Span& s) { inside.push_back(s); };
    circleSpans(cx, cy, diameter, t, [&](const Span& s) { ring.push_back(s); grow(s); },
                d.fill ? &keepInside : nullptr, Span{0, 0, w_, h_});
    if (d.fill) {
      pending_.colour(*d.fill);
      for (const Span& s : inside) pending_.rect(s);
    }
    pending_.colour(d.colour);
    for (const Span& s : ring) pending_.rect(s);
  } else {
    pending_.colour(d.colour);
    lineSpans(scale_.dev(d.a), scale_.dev(d.b), scale_.dev(d.c), scale_.dev(d.d), t, false,
              [&](const Span& s) { pending_.rect(s); grow(s); });
  }
  if (r > l && b > tp) dirty_({l, tp, r - l, b - tp});
}

void RasterLayer::flush() { pending_.replayOn(id_); }

}  // namespace zemlox::web
