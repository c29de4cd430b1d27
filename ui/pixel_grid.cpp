// Pixel grid rounding.
#include "ui/pixel_grid.h"

#include <cmath>

namespace ui {
namespace {

// Far beyond any window; keeps absurd coordinates from overflowing ints
// while leaving what is visible as it would be.
constexpr double kLimit = 1e6;

double clamped(double v) {
  if (!std::isfinite(v)) return v > 0 ? kLimit : -kLimit;
  return std::clamp(v, -kLimit, kLimit);
}

}  // namespace

double PixelGrid::dev(double twips) const { return twips * scale / kTwipsPerPixel; }

int PixelGrid::px(double twips) const { return nearestInt(clamped(dev(twips))); }

int PixelGrid::linePx(double twips) const {
  // The nudge keeps a position a rounding error short of an edge on it.
  return static_cast<int>(std::floor(clamped(dev(twips)) + 1e-6));
}

int PixelGrid::lineWidth(int pixels) const {
  return std::max(1, pixels) * std::max(1, nearestInt(scale));
}

PxRect PixelGrid::rect(const RectF& r) const {
  const int l = px(r.left), t = px(r.top);
  return {l, t, px(static_cast<double>(r.left) + r.width) - l, px(static_cast<double>(r.top) + r.height) - t};
}

PxRect PixelGrid::areaRect(const RectF& r) const {
  auto edge = [&](double twips) {
    const double hostPx = std::round(clamped(dev(twips)) / unit);
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
  auto lo = [&](double t) { return static_cast<int>(std::floor(clamped(dev(t)))) - m; };
  auto hi = [&](double t) { return static_cast<int>(std::ceil(clamped(dev(t)))) + m; };
  const int l = lo(r.left), t = lo(r.top);
  return {l, t, hi(static_cast<double>(r.left) + r.width) - l, hi(static_cast<double>(r.top) + r.height) - t};
}

}  // namespace ui
