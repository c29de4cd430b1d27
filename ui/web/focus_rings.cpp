// Focus ring canvases, drawn when their element moves or the zoom changes:
// at once for the element with the focus, in an idle frame for the rest.
#include "ui/web/focus_rings.h"

#include "ui/focus_ring.h"
#include "ui/web/dom.h"
#include "ui/web/to_draw_list.h"

namespace zemlox::web {

void FocusRings::add(int id) { rings_[id].canvas = dom::create(dom::Kind::Ring, id); }

void FocusRings::draw(int id, ui::ControlKind kind, const Span& r, double scale) {
  const auto it = rings_.find(id);
  if (it == rings_.end()) return;
  Ring& ring = it->second;
  // Placed and sized at once, with the window's other elements: the page lays
  // them out together, not once more when the ring is drawn.
  dom::place(ring.canvas, r.x, r.y, r.w, r.h);
  dom::resizeCanvas(ring.canvas, r.w, r.h);
  ring.kind = kind;
  ring.place = r;
  ring.scale = scale;
  if (!ring.waiting) ++waiting_;
  ring.waiting = true;
  if (dom::hasFocus(id)) paint(ring);
}

void FocusRings::drawNow(int id) {
  const auto it = rings_.find(id);
  if (it != rings_.end() && it->second.waiting) paint(it->second);
}

void FocusRings::paint(Ring& ring) {
  if (ring.waiting) --waiting_;
  ring.waiting = false;
  const Span& r = ring.place;
  ui::PaintList list;
  ui::paintFocusRing(list, ring.kind, {0, 0, r.w, r.h}, ui::PixelGrid{ring.scale});
  DrawList dl;
  toDrawList(dl, list, {{0, 0, r.w, r.h}});
  dl.replayOn(ring.canvas);
}

void FocusRings::drawWaiting() {
  for (auto& [id, ring] : rings_)
    if (ring.waiting) paint(ring);
}

}  // namespace zemlox::web
