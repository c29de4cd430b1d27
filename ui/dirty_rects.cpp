// Dirty rectangle merging.
#include "ui/dirty_rects.h"

#include <utility>

namespace ui {

void DirtyRects::add(const PxRect& r) {
  if (r.empty()) return;
  // Changes mostly come one beside the other (a row of particles, each
  // control's old place then its new): they gather into the open
  // rectangle, which meets the others only when a change lands away from it.
  if (!open_.empty() && open_.grown(kReach).intersects(r)) {
    open_ = open_.united(r);
    return;
  }
  settle(open_);
  open_ = r;
}

void DirtyRects::settle(const PxRect& r) {
  if (r.empty()) return;
  for (const PxRect& x : rects_)
    if (x.contains(r)) return;
  PxRect merged = r;
  // Merging can make a rectangle reach others it did not before.
  for (bool again = true; again;) {
    again = false;
    for (size_t i = 0; i < rects_.size(); ++i) {
      if (!rects_[i].grown(kReach).intersects(merged)) continue;
      merged = merged.united(rects_[i]);
      rects_[i] = rects_.back();
      rects_.pop_back();
      again = true;
      break;
    }
  }
  rects_.push_back(merged);
  if (rects_.size() > kMax) {
    PxRect all;
    for (const PxRect& x : rects_) all = all.united(x);
    rects_.assign(1, all);
  }
}

std::vector<PxRect> DirtyRects::take() {
  settle(std::exchange(open_, {}));
  return std::exchange(rects_, {});
}

}  // namespace ui
