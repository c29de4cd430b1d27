// Pixel grid rounding.
#include "ui/pixel_grid.h"

#include <cmath>

namespace ui {

PxRect PixelGrid::areaRect(const RectF& r) const {
  auto edge = [&](double twips) {
    const double hostPx = std::round(detail::clamped(dev(twips)) / unit);
    return nearestInt(hostPx * unit);
  };
  const int l = edge(r.left), t = edge(r.top);
  return {l, t, edge(static_cast<double>(r.left) + r.width) - l, edge(static_cast<double>(r.top) + r.height) - t};
}

PxRect PixelGrid::windowSize(double width, double height) const { return areaRect({0, 0, static_cast<float>(width), static_cast<float>(height)}); }

PxRect PixelGrid::dirty(const RectF& r) const {
  if (!std::isfinite(r.left) || !std::isfinite(r.top) || !std::isfinite(r.width) || !std::isfinite(r.height))
    return {-100000, -100000, 200000, 200000};
  const int m = 1 + lineWidth(2);
  auto lo = [&](double t) { return static_cast<int>(std::floor(detail::clamped(dev(t)))) - m; };
  auto hi = [&](double t) { return static_cast<int>(std::ceil(detail::clamped(dev(t)))) + m; };
  const int l = lo(r.left), t = lo(r.top);
  return {l, t, hi(static_cast<double>(r.left) + r.width) - l, hi(static_cast<double>(r.top) + r.height) - t};
}

}  // namespace ui
