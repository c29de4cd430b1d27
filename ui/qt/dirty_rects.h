// The parts of one widget to repaint after a tick: a few rectangles, each
// change merged into the one it touches. A tick that moves hundreds of lines
// across a band leaves one rectangle for the band, not hundreds of slivers
// for the window system to union and clip.
#pragma once

#include <QRect>
#include <vector>

namespace zemlox::qt {

class DirtyRects {
 public:
  void add(const QRect& r);
  // The rectangles gathered since the last take, leaving none.
  std::vector<QRect> take();

 private:
  // Rectangles closer than this many pixels are merged: repainting the
  // sliver between them costs less than a separate pass.
  static constexpr int kReach = 8;
  static constexpr size_t kMax = 8;
  std::vector<QRect> rects_;
};

}  // namespace zemlox::qt
