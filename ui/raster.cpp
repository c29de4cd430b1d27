// Scanline rasterising of exact lines and circles.
#include "ui/raster.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace ui {

using detail::usable;

void outlineSpans(const PxRect& r, int t, const SpanFn& out) {
  if (r.empty()) return;
  if (2 * t >= r.w || 2 * t >= r.h) { out(r); return; }
  out({r.x, r.y, r.w, t});
  out({r.x, r.bottom() - t, r.w, t});
  out({r.x, r.y + t, t, r.h - 2 * t});
  out({r.right() - t, r.y + t, t, r.h - 2 * t});
}

void circleSpans(double cx, double cy, double d, int t, const SpanFn& ring, const SpanFn* fill,
                 const PxRect& clip) {
  if (!usable(cx) || !usable(cy) || !usable(d) || d <= 0 || t < 1) return;
  const double r = d / 2, ri = r - t;
  const int top = std::max(static_cast<int>(std::floor(cy - r)), clip.y);
  const int bottom = std::min(static_cast<int>(std::ceil(cy + r)), clip.bottom());
  const int left = clip.x, right = clip.right();
  auto at = [&](double v) { return nearestInt(v); };
  auto put = [&](const SpanFn& out, int x0, int x1, int row) {
    x0 = std::max(x0, left), x1 = std::min(x1, right);
    if (x1 > x0) out({x0, row, x1 - x0, 1});
  };
  for (int row = top; row < bottom; ++row) {
    const double dy = row + 0.5 - cy;
    if (std::fabs(dy) >= r) continue;
    const double ho = std::sqrt(r * r - dy * dy);
    const int o0 = at(cx - ho), o1 = at(cx + ho);
    if (o1 <= o0) continue;
    if (ri <= 0 || std::fabs(dy) >= ri) {
      put(ring, o0, o1, row);
      continue;
    }
    const double hi = std::sqrt(ri * ri - dy * dy);
    // At least one pixel of ring on each side, so the outline never breaks.
    const int i0 = std::max(o0 + 1, at(cx - hi)), i1 = std::min(o1 - 1, at(cx + hi));
    if (i1 <= i0) {
      put(ring, o0, o1, row);
      continue;
    }
    put(ring, o0, i0, row);
    put(ring, i1, o1, row);
    if (fill) put(*fill, i0, i1, row);
  }
}

}  // namespace ui
