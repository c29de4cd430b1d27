// Focus ring canvases, drawn when their element moves or the zoom changes:
// at once for the element with the focus, after the next frame for the rest.
#include "ui/web/focus_rings.h"

#include <emscripten/html5.h>

#include <unordered_set>

#include "ui/focus_ring.h"
#include "ui/web/dom.h"
#include "ui/web/paint_replay.h"

namespace zemlox::web {
namespace {

// Every window's rings, for the drawing after the frame; and whether it is asked for.
std::unordered_set<FocusRings*> g_live;
bool g_asked = false;

}  // namespace

FocusRings::FocusRings() { g_live.insert(this); }

FocusRings::~FocusRings() { g_live.erase(this); }

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
  ring.waiting = true;
  if (dom::hasFocus(id)) {
    paint(ring);
  } else if (!g_asked) {
    g_asked = true;
    emscripten_request_animation_frame(afterFrame, nullptr);
  }
}

void FocusRings::drawNow(int id) {
  const auto it = rings_.find(id);
  if (it != rings_.end() && it->second.waiting) paint(it->second);
}

void FocusRings::paint(Ring& ring) {
  ring.waiting = false;
  const Span& r = ring.place;
  ui::PaintList list;
  ui::paintFocusRing(list, ring.kind, {0, 0, r.w, r.h}, ui::PixelGrid{ring.scale});
  DrawList dl;
  toDrawList(dl, list, {{0, 0, r.w, r.h}});
  dl.replayOn(ring.canvas);
}

void FocusRings::drawWaiting(void*) {
  g_asked = false;
  for (FocusRings* rings : g_live)
    for (auto& [id, ring] : rings->rings_)
      if (ring.waiting) paint(ring);
}

int FocusRings::afterFrame(double, void*) {
  emscripten_set_timeout(drawWaiting, 0, nullptr);
  return EM_FALSE;
}

}  // namespace zemlox::web
