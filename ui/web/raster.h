// Exact pixels for the browser host: lines, rectangle borders and circles
// turned into filled device-pixel spans of one colour each, aliased and snapped
// to pixel centres, so a one-pixel line is one row or column of its colour.
#pragma once

#include <functional>

#include "ui/units.h"

namespace zemlox::web {

struct Span {
  int x, y, w, h;
};
using SpanFn = std::function<void(const Span&)>;

// How many device pixels of the page stand for one pixel of the layout
// (15 twips), and the conversions every painter shares.
struct Scale {
  double s = 1;

  double dev(double twips) const { return twips * s / ui::kTwipsPerPixel; }
  // Where a control's edge or size lands: rounded to a whole device pixel.
  int px(double twips) const;
  // A line `widthPx` layout pixels wide is this many device pixels.
  int thickness(int widthPx) const;
};

// A line from (x1, y1) to (x2, y2) in device coordinates, `t` pixels thick,
// growing right and down from the pixel whose area holds each end. Dotted
// lines show one dot of t pixels in every 3t.
void lineSpans(double x1, double y1, double x2, double y2, int t, bool dotted, const SpanFn& out);

// The outline of a w x h rectangle at (x, y), t pixels wide, inside it.
void frameSpans(int x, int y, int w, int h, int t, const SpanFn& out);

// A circle of outer diameter d centred at (cx, cy): its ring, t pixels wide,
// and (when `fill` is given) the inside, row by row; only the parts inside
// `clip` (the canvas: a wave front may be far larger than its view).
void circleSpans(double cx, double cy, double d, int t, const SpanFn& ring, const SpanFn* fill,
                 const Span& clip = {-(1 << 20), -(1 << 20), 1 << 21, 1 << 21});

}  // namespace zemlox::web
