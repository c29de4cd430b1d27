// One window's repaint in the page: each area with changes gets the window
// layer's paint list for its dirty part, replayed on its canvas once per
// browser frame.
#include <algorithm>

#include "ui/paint_areas.h"
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
  for (auto& a : areas_) paintArea(*a);
  if (itemsStale_) syncItems();
}

void WindowView::paintArea(Area& a) {
  if (a.dirty.empty()) return;
  const std::vector<Span> dirty = a.dirty.take();
  const Span area = bounding(dirty);
  const ui::PixelGrid g{scale_.s};
  const Span size{0, 0, a.w, a.h};
  static ui::PaintList list;  // reused: its storage outlives the frame
  list.clear();
  switch (a.kind) {
    case AreaKind::Window: ui::paintForm(list, *form_, *a.layer, g, area); break;
    case AreaKind::Frame:
      ui::paintFrame(list, static_cast<const ui::Frame&>(*a.control), g, size, area);
      break;
    case AreaKind::Picture:
      ui::paintPictureBox(list, static_cast<const ui::PictureBox&>(*a.control), *a.layer, g, size, area);
      break;
  }
  static DrawList dl;  // reused like the list: replaying it leaves it empty
  dl.clip(dirty);
  toDrawList(dl, list, dirty);
  dl.unclip();
  dl.replayOn(a.canvas);
}

}  // namespace zemlox::web
