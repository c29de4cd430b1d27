// A drawing surface's layer: every line and circle a window draws is
// rasterised at once, by the one rasteriser, into a pixel buffer at device
// resolution that the host only copies to the screen. The operations since
// the last clear are kept too, so a new zoom draws them afresh, sharp.
#pragma once

#include <functional>
#include <optional>
#include <utility>
#include <vector>

#include "ui/pixel_buffer.h"
#include "ui/surface.h"

namespace ui {

class DrawingLayer : public SurfaceSink {
 public:
  // `dirty` is told the device pixels each drawing changes; `order` is the
  // byte order of the host's screen images.
  explicit DrawingLayer(std::function<void(const PxRect&)> dirty = {}, ByteOrder order = ByteOrder::Rgba);

  // With a background the layer is opaque and stands for the area's
  // background too; without, it is transparent over what lies beneath.
  void setBackground(std::optional<Color> background);
  bool opaque() const { return background_.has_value(); }
  // Fits the layer to w x h device pixels at the grid's scale, drawing
  // everything again when either changes.
  void setGrid(const PixelGrid& grid, int w, int h);
  const PixelGrid& grid() const { return grid_; }

  // The device pixels the layer covers, w x h from setGrid.
  PxRect extent() const { return extent_; }
  // Its pixels: none in a see-through layer that has had nothing drawn, as
  // most windows never draw; any drawing makes them, all of extent().
  const PixelBuffer& pixels() const { return buffer_; }
  ByteOrder order() const { return order_; }
  // The device pixels drawn on since the last clear (all of an opaque layer).
  PxRect painted() const { return opaque() ? buffer_.rect() : painted_; }
  // The device pixels changed since the last call: what a host keeping a
  // copy of the layer (a canvas of its own) copies again.
  PxRect takeFresh() const { return std::exchange(fresh_, PxRect{}).intersected(buffer_.rect()); }

  void clear(const Surface& s) override;
  void line(const Surface& s, float x1, float y1, float x2, float y2, Color c) override;
  void circle(const Surface& s, float cx, float cy, float r, Color outline,
              std::optional<Color> fill) override;

 private:
  void redraw();
  // Makes the pixels if the layer should have them; whether it has.
  bool held();
  void draw(const DrawOp& op);
  void remember(const DrawOp& op);
  void touched(const PxRect& r);
  Pixel backgroundPixel() const { return background_ ? pixelOf(*background_, order_) : kClearPixel; }

  std::function<void(const PxRect&)> dirty_;
  ByteOrder order_;
  std::optional<Color> background_;
  PixelGrid grid_;
  PxRect extent_;
  PixelBuffer buffer_;
  PxRect painted_;
  mutable PxRect fresh_;  // taken by a host that only reads the layer
  std::vector<DrawOp> ops_;
  // Past this many operations between clears, a new zoom stretches the old
  // pixels instead of keeping every operation.
  static constexpr size_t kMaxOps = 200000;
  bool complete_ = true;
};

}  // namespace ui
