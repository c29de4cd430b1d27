// Dirty rectangle merging.
#include "ui/qt/dirty_rects.h"

#include <utility>

namespace zemlox::qt {

void DirtyRects::add(const QRect& r) {
  if (r.isEmpty()) return;
  // Most changes fall inside what the tick already marked.
  for (const QRect& x : rects_)
    if (x.contains(r)) return;
  QRect merged = r;
  // Merging can make a rectangle reach others it did not before.
  for (bool again = true; again;) {
    again = false;
    for (size_t i = 0; i < rects_.size(); ++i) {
      if (!rects_[i].adjusted(-kReach, -kReach, kReach, kReach).intersects(merged)) continue;
      merged |= rects_[i];
      rects_[i] = rects_.back();
      rects_.pop_back();
      again = true;
      break;
    }
  }
  rects_.push_back(merged);
  if (rects_.size() > kMax) {
    QRect all;
    for (const QRect& x : rects_) all |= x;
    rects_.assign(1, all);
  }
}

std::vector<QRect> DirtyRects::take() { return std::exchange(rects_, {}); }

}  // namespace zemlox::qt
