// Drawing surfaces: a window's own surface or a picture box. Each operation
// goes straight to a sink (the window layer's drawing layer rasterises it at
// once, a test may record it); nothing is kept here, so a drawing costs the same on the
// first tick and the thousandth, and stays until the surface is cleared.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "ui/color.h"

namespace ui {

class Surface;

class SurfaceSink {
 public:
  virtual ~SurfaceSink() = default;
  virtual void clear(const Surface& s) = 0;
  virtual void line(const Surface& s, float x1, float y1, float x2, float y2, Color c) = 0;
  // fill is the surface's fill colour where it has a solid fill.
  virtual void circle(const Surface& s, float cx, float cy, float r, Color outline,
                      std::optional<Color> fill) = 0;
};

class Surface {
 public:
  void clear();
  void line(float x1, float y1, float x2, float y2, Color c);
  void circle(float cx, float cy, float r, Color outline);

  // Circles drawn here are filled with this colour (the area's solid fill).
  void setFill(std::optional<Color> fill) { fill_ = fill; }
  std::optional<Color> fill() const { return fill_; }
  void setSink(SurfaceSink* sink) { sink_ = sink; }
  SurfaceSink* sink() const { return sink_; }

 private:
  SurfaceSink* sink_ = nullptr;
  std::optional<Color> fill_;
};

// A sink that keeps every operation: for tests and invariant checks.
struct DrawOp {
  enum Kind { Clear, Line, Circle } kind = Clear;
  const Surface* surface = nullptr;
  float x1 = 0, y1 = 0, x2 = 0, y2 = 0, r = 0;
  Color color = 0;
  std::optional<Color> fill;
};

class RecordingSink : public SurfaceSink {
 public:
  std::vector<DrawOp> ops;
  void clear(const Surface& s) override { ops.push_back(make(DrawOp::Clear, s)); }
  void line(const Surface& s, float x1, float y1, float x2, float y2, Color c) override {
    DrawOp op = make(DrawOp::Line, s);
    op.x1 = x1, op.y1 = y1, op.x2 = x2, op.y2 = y2, op.color = c;
    ops.push_back(op);
  }
  void circle(const Surface& s, float cx, float cy, float r, Color c,
              std::optional<Color> fill) override {
    DrawOp op = make(DrawOp::Circle, s);
    op.x1 = cx, op.y1 = cy, op.r = r, op.color = c, op.fill = fill;
    ops.push_back(op);
  }

 private:
  static DrawOp make(DrawOp::Kind k, const Surface& s) {
    DrawOp op{};
    op.kind = k;
    op.surface = &s;
    return op;
  }
};

}  // namespace ui
