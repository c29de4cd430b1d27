// Twips to device pixels at one scale (zoom × the screen's pixel ratio), as
// every host places what it paints: control edges round to the nearest pixel
// edge, a line goes through the pixel whose centre is nearest its coordinate,
// a line n layout pixels wide is n × round(scale) device pixels, and a
// window's size and its areas' edges fall on whole pixels of the host.
#pragma once

#include <algorithm>
#include <cmath>

#include "ui/geometry.h"
#include "ui/units.h"

namespace ui {

// The nearest whole number, halves away from zero, as std::lround, but
// without a library call: a frame rounds thousands of edges. Exact for every
// finite value an int holds.
inline int nearestInt(double v) {
  const double t = std::trunc(v);
  return static_cast<int>(std::fabs(v - t) >= 0.5 ? t + std::copysign(1.0, v) : t);
}

// A rectangle of whole device pixels.
struct PxRect {
  int x = 0, y = 0, w = 0, h = 0;

  int right() const { return x + w; }  // one past the last column
  int bottom() const { return y + h; }
  bool empty() const { return w <= 0 || h <= 0; }
  bool intersects(const PxRect& o) const {
    return !empty() && !o.empty() && x < o.right() && o.x < right() && y < o.bottom() && o.y < bottom();
  }
  bool contains(const PxRect& o) const {
    return o.x >= x && o.y >= y && o.right() <= right() && o.bottom() <= bottom();
  }
  PxRect intersected(const PxRect& o) const {
    const int l = std::max(x, o.x), t = std::max(y, o.y);
    const int r = std::min(right(), o.right()), b = std::min(bottom(), o.bottom());
    return r > l && b > t ? PxRect{l, t, r - l, b - t} : PxRect{};
  }
  PxRect united(const PxRect& o) const {
    if (empty()) return o;
    if (o.empty()) return *this;
    const int l = std::min(x, o.x), t = std::min(y, o.y);
    return {l, t, std::max(right(), o.right()) - l, std::max(bottom(), o.bottom()) - t};
  }
  PxRect grown(int by) const { return {x - by, y - by, w + 2 * by, h + 2 * by}; }
  bool operator==(const PxRect&) const = default;
};

struct PixelGrid {
  double scale = 1;  // device pixels per layout pixel
  // Device pixels per pixel of the host (the screen's pixel ratio): a host
  // sizes windows and places its own widgets in whole host pixels only.
  double unit = 1;

  // Device pixels of a length or position in twips, unrounded.
  double dev(double twips) const;
  // The device pixel edge nearest to a position in twips.
  int px(double twips) const;
  // A width of `pixels` layout pixels in device pixels, at least one each.
  int lineWidth(int pixels) const;
  // Each edge rounded on its own, so neighbouring rectangles meet exactly.
  PxRect rect(const RectF& r) const;
  // The pixels to repaint when a rectangle in twips changes: rounded
  // outwards, with room for the widest line drawn on it; absurd or
  // non-finite rectangles cover everything.
  PxRect dirty(const RectF& r) const;
  // Where a host widget (an area such as a frame or picture box, or a native
  // control) stands in its container: each edge at the whole host pixel
  // nearest to it, as device pixels. At unit 1 this is rect().
  PxRect areaRect(const RectF& r) const;
  // A window's client area of that size in twips, by the same rule.
  PxRect windowSize(double width, double height) const;
  bool operator==(const PixelGrid&) const = default;
};

// Inline: a tick converts every edge it moves or paints.
namespace detail {
// Far beyond any window; keeps absurd coordinates from overflowing ints
// while leaving what is visible as it would be.
constexpr double kLimit = 1e6;
inline double clamped(double v) {
  if (!std::isfinite(v)) return v > 0 ? kLimit : -kLimit;
  return std::clamp(v, -kLimit, kLimit);
}
}  // namespace detail

inline double PixelGrid::dev(double twips) const { return twips * scale / kTwipsPerPixel; }

inline int PixelGrid::px(double twips) const { return nearestInt(detail::clamped(dev(twips))); }

inline int PixelGrid::lineWidth(int pixels) const {
  return std::max(1, pixels) * std::max(1, nearestInt(scale));
}

inline PxRect PixelGrid::rect(const RectF& r) const {
  const int l = px(r.left), t = px(r.top);
  return {l, t, px(static_cast<double>(r.left) + r.width) - l, px(static_cast<double>(r.top) + r.height) - t};
}

}  // namespace ui
