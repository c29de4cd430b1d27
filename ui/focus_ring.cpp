// The focus ring's dots.
#include "ui/focus_ring.h"

#include <algorithm>

namespace ui {

int focusRingInset(ControlKind kind) { return kind == ControlKind::Button ? 3 : 0; }

void paintFocusRing(PaintList& out, ControlKind kind, const PxRect& box, const PixelGrid& g) {
  const int t = g.lineWidth(1);
  const PxRect r = box.grown(-focusRingInset(kind) * t);
  if (r.w < t || r.h < t) return;
  // Every other dot along each edge, counted from the top-left corner, so
  // that the corners the edges share get one dot.
  auto dot = [&](int x, int y, int w, int h) { out.fill({x, y, w, h}, 0x000000); };
  for (int x = r.x; x < r.right(); x += 2 * t) {
    const int w = std::min(t, r.right() - x);
    dot(x, r.y, w, t);
    if (r.h >= 2 * t) dot(x, r.bottom() - t, w, t);
  }
  for (int y = r.y + 2 * t; y < r.bottom() - t; y += 2 * t) {
    const int h = std::min(t, r.bottom() - t - y);
    dot(r.x, y, t, h);
    if (r.w >= 2 * t) dot(r.right() - t, y, t, h);
  }
}

}  // namespace ui
