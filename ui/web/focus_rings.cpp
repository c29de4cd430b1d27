// Focus ring canvases, drawn when their element moves or the zoom changes.
#include "ui/web/focus_rings.h"

#include "ui/focus_ring.h"
#include "ui/web/dom.h"
#include "ui/web/paint_replay.h"

namespace zemlox::web {

void FocusRings::add(int id) { rings_[id] = dom::create(dom::Kind::Ring, id); }

void FocusRings::draw(int id, ui::ControlKind kind, const Span& r, double scale) {
  const auto it = rings_.find(id);
  if (it == rings_.end()) return;
  dom::place(it->second, r.x, r.y, r.w, r.h);
  dom::resizeCanvas(it->second, r.w, r.h);
  ui::PaintList list;
  ui::paintFocusRing(list, kind, {0, 0, r.w, r.h}, ui::PixelGrid{scale});
  DrawList dl;
  toDrawList(dl, list, {{0, 0, r.w, r.h}});
  dl.replayOn(it->second);
}

}  // namespace zemlox::web
