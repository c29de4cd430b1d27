// The parts of one area to repaint after a tick: a few rectangles, each
// change merged into the one it touches. A tick that moves hundreds of lines
// across a band leaves one rectangle for the band, not hundreds of slivers
// for the host to clip to.
#pragma once

#include <vector>

#include "ui/pixel_grid.h"

namespace ui {

class DirtyRects {
 public:
  void add(const PxRect& r);
  bool empty() const { return open_.empty() && rects_.empty(); }
  // The rectangles gathered since the last take, leaving none.
  std::vector<PxRect> take();

 private:
  // Rectangles closer than this many pixels are merged: repainting the
  // sliver between them costs less than a separate pass.
  static constexpr int kReach = 8;
  static constexpr size_t kMax = 8;
  // Merges one rectangle into the settled ones.
  void settle(const PxRect& r);
  PxRect open_;  // the latest changes, gathered while they come side by side
  std::vector<PxRect> rects_;
};

}  // namespace ui
