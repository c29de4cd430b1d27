// One window's repaint in the page: each area with changes gets the window
// layer's paint list for its dirty part, replayed on its canvas once per
// browser frame; then the label elements follow what changed.
#include <algorithm>

#include "ui/web/paint_replay.h"
#include "ui/web/web_host.h"
#include "ui/web/window_view.h"

namespace zemlox::web {
namespace {

Span bounding(const std::vector<Span>& spans) {
  int l = 1 << 30, t = 1 << 30, r = -(1 << 30), b = -(1 << 30);
  for (const Span& s : spans) {
    l = std::min(l, s.x), t = std::min(t, s.y);
    r = std::max(r, s.x + s.w), b = std::max(b, s.y + s.h);
  }
  return r > l && b > t ? Span{l, t, r - l, b - t} : Span{0, 0, 0, 0};
}

}  // namespace

void WindowView::paint() {
  if (!form_) return;
  for (size_t i = 0; i < canvases_.size(); ++i) paintArea(i);
  applyItemChanges();
}

void WindowView::paintArea(size_t area) {
  if (frame_->areas()[area].dirty.empty()) return;
  const std::vector<Span> dirty = frame_->takeDirty(area);
  static ui::PaintList list;  // reused: its storage outlives the frame
  list.clear();
  frame_->paint(area, bounding(dirty), list);
  static DrawList dl;  // reused like the list: replaying it leaves it empty
  dl.clip(dirty);
  toDrawList(dl, list, dirty);
  dl.unclip();
  dl.replayOn(canvases_[area]);
}

}  // namespace zemlox::web
