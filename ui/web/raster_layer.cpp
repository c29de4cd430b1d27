// Drawing layers copied onto offscreen canvases.
#include "ui/web/raster_layer.h"

#include "ui/web/dom.h"

namespace zemlox::web {

RasterLayer::RasterLayer(std::function<void(const Span&)> dirty)
    : ui::DrawingLayer([this](const Span& s) { changed(s); }),
      dirty_(std::move(dirty)),
      id_(dom::create(dom::Kind::Layer, 0)) {}

RasterLayer::~RasterLayer() { dom::remove(id_); }

void RasterLayer::changed(const Span& s) {
  pending_ = pending_.united(s);
  if (dirty_) dirty_(s);
}

void RasterLayer::resize(const Scale& scale, int w, int h) {
  const ui::PixelGrid g{scale.s};
  if (g == grid() && w == extent().w && h == extent().h) return;
  dom::resizeCanvas(id_, std::max(1, w), std::max(1, h));
  setGrid(g, w, h);
  pending_ = pixels().rect();
}

void RasterLayer::flush() const {
  const Span part = pending_.intersected(pixels().rect());
  pending_ = {};
  if (!part.empty()) dom::putPixels(id_, pixels().data(), pixels().width(), part.x, part.y, part.w, part.h);
}

}  // namespace zemlox::web
