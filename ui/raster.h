// Exact pixels: lines, rectangle borders and circles turned into filled
// device-pixel spans of one colour each, aliased and snapped to pixel
// centres, so a one-pixel line is one row or column of its colour. Every
// host shows these spans as they are; antialiasing is for glyphs only.
#pragma once

#include <functional>

#include "ui/pixel_grid.h"

namespace ui {

using SpanFn = std::function<void(const PxRect&)>;

// Far beyond any window: spans are only made inside this.
inline constexpr PxRect kNoClip{-(1 << 20), -(1 << 20), 1 << 21, 1 << 21};

// A line from (x1, y1) to (x2, y2) in device coordinates, `t` pixels thick,
// growing right and down from the pixel whose area holds each end; along the
// line its end pixels are `along` pixels long (a layout pixel, whatever the
// thickness: the line ends where the layout ends it). Dotted lines show one
// dot in every 3t.
void lineSpans(double x1, double y1, double x2, double y2, int t, int along, bool dotted, const SpanFn& out);

// The outline of a rectangle, t pixels wide, inside it.
void frameSpans(const PxRect& r, int t, const SpanFn& out);

// A circle `d` device pixels across (outer edge to outer edge) centred at
// (cx, cy): its ring, t pixels wide, and (when `fill` is given) the inside,
// row by row; only the parts inside `clip` (a wave front may be far larger
// than its view). A larger concentric circle covers every pixel of a smaller.
void circleSpans(double cx, double cy, double d, int t, const SpanFn& ring, const SpanFn* fill,
                 const PxRect& clip = kNoClip);

}  // namespace ui
