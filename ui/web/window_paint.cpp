// One window's share of a browser frame: each repainted area gets the paint
// list for its dirty part replayed on its canvas, widgets are placed and
// filled, and the label elements follow what changed.
#include <algorithm>

#include "ui/web/dom.h"
#include "ui/web/to_draw_list.h"
#include "ui/web/web_host.h"
#include "ui/web/window_view.h"

namespace zemlox::web {

bool WindowView::apply(const ui::WindowChanges& changes) {
  if (!form_) return false;
  for (const ui::AreaPaint& p : changes.paints) paintArea(p);
  for (const ui::WidgetChange& w : changes.widgets)
    if (auto it = widgets_.find(w.control); it != widgets_.end()) sync(w, it->second);
  applyItemChanges(changes.items);
  for (const std::string& text : changes.announcements) dom::announce(text);
  if (changes.inputEnabledChanged) host_.restack();
  return !changes.paints.empty();
}

void WindowView::paintArea(const ui::AreaPaint& p) {
  static DrawList dl;  // reused: replaying it leaves it empty
  dl.clip(p.dirty);
  toDrawList(dl, *p.list, p.dirty, [this](const ui::DrawingLayer& l) { return layerCanvas(l); });
  dl.unclip();
  dl.replayOn(canvases_[p.area]);
}

int WindowView::layerCanvas(const ui::DrawingLayer& layer) {
  size_t area = 0;
  while (area < canvases_.size() && scene_->areas()[area].layer != &layer) ++area;
  if (area == canvases_.size()) return 0;
  int& id = layerCanvases_[area];
  const ui::PixelBuffer& px = layer.pixels();
  if (!id) {
    id = dom::create(dom::Kind::Layer, 0);
    dom::resizeCanvas(id, std::max(1, px.width()), std::max(1, px.height()));
  }
  const Span fresh = layer.takeFresh();
  if (!fresh.empty()) dom::putPixels(id, px.data(), px.width(), fresh.x, fresh.y, fresh.w, fresh.h);
  return id;
}

}  // namespace zemlox::web
