// Exact pixels: lines, rectangle borders and circles turned into filled
// device-pixel spans of one colour each, aliased and snapped to pixel
// centres, so a one-pixel line is one row or column of its colour. Every
// host shows these spans as they are; antialiasing is for glyphs only.
#pragma once

#include <algorithm>
#include <cmath>
#include <cstdlib>
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
// dot in every 3t. `out` takes each span (a template: a frame makes
// thousands of spans).
template <class Out>
void lineSpans(double x1, double y1, double x2, double y2, int t, int along, bool dotted, Out&& out);

// The outline of a rectangle, t pixels wide, inside it.
void outlineSpans(const PxRect& r, int t, const SpanFn& out);

// A circle `d` device pixels across (outer edge to outer edge) centred at
// (cx, cy): its ring, t pixels wide, and (when `fill` is given) the inside,
// row by row; only the parts inside `clip` (a wave front may be far larger
// than its view). A larger concentric circle covers every pixel of a smaller.
void circleSpans(double cx, double cy, double d, int t, const SpanFn& ring, const SpanFn* fill,
                 const PxRect& clip = kNoClip);

namespace detail {
// Far beyond any window: coordinates past this draw nothing.
inline bool usable(double v) { return std::isfinite(v) && std::fabs(v) < (1 << 20); }
}  // namespace detail

template <class Out>
void lineSpans(double x1, double y1, double x2, double y2, int t, int along, bool dotted, Out&& out) {
  if (!detail::usable(x1) || !detail::usable(y1) || !detail::usable(x2) || !detail::usable(y2) || t < 1) return;
  along = std::max(1, along);
  // The pixel each end lies in; the nudge keeps a position a rounding error
  // short of a pixel edge on it.
  auto pixel = [](double v) { return static_cast<int>(std::floor(v + 1e-6)); };
  int ax = pixel(x1), ay = pixel(y1), bx = pixel(x2), by = pixel(y2);
  const int dx = std::abs(bx - ax), dy = std::abs(by - ay);
  const bool xMajor = dx >= dy;
  // Walk along the major axis; a run of pixels in one row (or column) is one span.
  if (xMajor && ax > bx) { std::swap(ax, bx); std::swap(ay, by); }
  if (!xMajor && ay > by) { std::swap(ax, bx); std::swap(ay, by); }
  const int major = xMajor ? dx : dy, minor = xMajor ? dy : dx;
  const int step = xMajor ? (by > ay ? 1 : -1) : (bx > ax ? 1 : -1);
  int err = major / 2, m = xMajor ? ay : ax, runStart = 0;
  auto emit = [&](int from, int to, int at) {  // pixels from..to of the major axis
    if (xMajor) out({ax + from, at, to - from + along, t});
    else out({at, ay + from, t, to - from + along});
  };
  if (dotted) {
    for (int i = 0; i <= major; i += 3 * t) {
      const int mm = xMajor ? ay + (major ? (by - ay) * i / major : 0)
                            : ax + (major ? (bx - ax) * i / major : 0);
      emit(i, i, mm);
    }
    return;
  }
  // A straight line is one span: no walk along it.
  if (minor == 0) { emit(0, major, m); return; }
  for (int i = 0; i <= major; ++i) {
    if (i == major) { emit(runStart, i, m); break; }
    err -= minor;
    if (err < 0) {
      emit(runStart, i, m);
      m += step;
      err += major;
      runStart = i + 1;
    }
  }
}

}  // namespace ui
