// One loaded window's elements in the page: building them, laying them
// out, and the elements over painted labels. Its repaints are in
// window_paint.cpp, its input in window_input.cpp.
#include "ui/web/window_view.h"

#include <algorithm>
#include <cmath>

#include "ui/web/dom.h"
#include "ui/web/web_host.h"

namespace zemlox::web {
namespace {

std::string joined(const std::vector<std::string>& items) {
  std::string s;
  for (size_t i = 0; i < items.size(); ++i) s += (i ? "\n" : "") + items[i];
  return s;
}

}  // namespace

WindowView::WindowView(WebHost& host, ui::Form& form) : host_(host), form_(&form), scene_(form.scene()) {
  window_ = dom::create(dom::Kind::Window, 0);
  dom::setText(window_, form.style().caption);
  canvases_.resize(scene_->areas().size());
  layerCanvases_.resize(scene_->areas().size());
  addCanvas(0, window_);
  build(form, window_);
  buildItems();
}

// An area's canvas, under everything else in its element.
void WindowView::addCanvas(size_t area, int element) { canvases_[area] = dom::create(dom::Kind::Canvas, element); }

WindowView::~WindowView() { detach(); }

int WindowView::areaElement(size_t area) const {
  const ui::Control* c = scene_->areas()[area].control;
  return c ? widgets_.at(c) : window_;
}

void WindowView::build(ui::Container& c, int parentElement) {
  for (ui::Control* ctl : c.children()) {
    if (!ctl->isWidget()) continue;
    int id = 0;
    switch (ctl->kind()) {
      case ui::ControlKind::Button:
        id = dom::create(dom::Kind::Button, parentElement);
        rings_.add(id);
        break;
      case ui::ControlKind::ComboBox: id = dom::create(dom::Kind::Combo, parentElement); break;
      case ui::ControlKind::Frame:
        id = dom::create(dom::Kind::Group, parentElement);
        addCanvas(static_cast<size_t>(scene_->areaOf(static_cast<ui::Frame&>(*ctl))), id);
        build(static_cast<ui::Frame&>(*ctl), id);
        break;
      case ui::ControlKind::PictureBox:
        id = dom::create(dom::Kind::Picture, parentElement);
        addCanvas(static_cast<size_t>(scene_->areaOf(static_cast<ui::PictureBox&>(*ctl))), id);
        build(static_cast<ui::PictureBox&>(*ctl), id);
        break;
      default: break;
    }
    widgets_[ctl] = id;
    controlsById_[id] = ctl;
    if (!ctl->accessibleName().empty()) dom::setName(id, ctl->accessibleName());
  }
}

// The painted labels get elements in their drawing area; every control of the
// window's tab order gets its place in the page's.
void WindowView::buildItems() {
  const ui::Keyboard& keys = form_->keyboard();
  for (const ui::WindowScene::Item& item : scene_->items()) {
    const auto kind = item.target ? dom::Kind::Marker : dom::Kind::Text;
    items_.push_back(dom::create(kind, areaElement(static_cast<size_t>(item.area))));
    if (kind == dom::Kind::Marker) rings_.add(items_.back());
  }
  for (ui::Control* c : keys.tabOrder())
    if (const int id = focusElement(c)) dom::joinTabOrder(id);
}

void WindowView::applyItemChanges(const std::vector<ui::ItemChange>& changes) {
  for (const ui::ItemChange& change : changes) {
    const ui::WindowScene::Item& item = scene_->items()[change.item];
    const int id = items_[change.item];
    if (change.name) dom::setText(id, item.name);
    if (change.place) {
      const Span& r = item.place;
      dom::place(id, r.x, r.y, r.w, r.h);
      rings_.draw(id, ui::ControlKind::Label, r, scale_.s);
    }
    if (change.shown) {
      if (!item.shown && dom::hasFocus(id))
        if (const int next = focusElement(change.handOn)) focus(next);
      dom::setVisible(id, item.shown);
    }
  }
}

void WindowView::detach() {
  if (!form_) return;
  for (const int id : canvases_) dom::remove(id);
  for (const int id : layerCanvases_)
    if (id) dom::remove(id);
  for (auto& [id, ctl] : controlsById_) dom::remove(id);
  for (const int id : items_) dom::remove(id);
  dom::remove(window_);
  form_ = nullptr;
  scene_ = nullptr;
  touch_.reset();
  canvases_.clear();
  layerCanvases_.clear();
  widgets_.clear();
  controlsById_.clear();
  items_.clear();
}

Span WindowView::clientSize(const Scale& sc) const {
  return ui::PixelGrid{sc.s, sc.unit}.windowSize(form_->style().clientWidth, form_->style().clientHeight);
}

int WindowView::outerWidth(const Scale& sc) const {
  return form_ ? clientSize(sc).w + 2 * sc.thickness(kEdgePx) : 0;
}

int WindowView::outerHeight(const Scale& sc) const {
  return form_ ? clientSize(sc).h + sc.px(kTitleBarPx * ui::kTwipsPerPixel) +
                     2 * sc.thickness(kEdgePx)
               : 0;
}

void WindowView::layout(const Scale& scale, int x, int y) {
  if (!form_) return;
  scale_ = scale;
  const Span client = clientSize(scale);
  const int cw = client.w, ch = client.h;
  dom::place(window_, x, y, cw, ch);
  dom::dressWindow(window_, scale.px(kTitleBarPx * ui::kTwipsPerPixel), scale.thickness(kEdgePx),
                   ui::controlFontPixels(scale.s), scale.s / scale.unit);
  const ui::PixelGrid grid{scale.s, scale.unit};
  if (grid == scene_->grid()) return;
  // Everything is painted and placed again by the next frame.
  scene_->setGrid(grid);
  for (size_t i = 0; i < canvases_.size(); ++i) {
    const Span& r = scene_->areas()[i].rect;
    dom::place(canvases_[i], 0, 0, r.w, r.h);
    dom::resizeCanvas(canvases_[i], std::max(1, r.w), std::max(1, r.h));
    // A layer's canvas takes its new size here; its pixels, all fresh, follow in the frame.
    if (layerCanvases_[i]) dom::resizeCanvas(layerCanvases_[i], std::max(1, r.w), std::max(1, r.h));
  }
  for (auto& [ctl, id] : widgets_) dom::setFontPixels(id, ui::controlFontPixels(scale.s));
}

void WindowView::place(const ui::Control& c, int id, const Span& r) {
  dom::place(id, r.x, r.y, r.w, r.h);
  rings_.draw(id, c.kind(), r, scale_.s);
}

void WindowView::sync(const ui::WidgetChange& change, int id) {
  const ui::Control& c = *change.control;
  place(c, id, change.place);
  switch (c.kind()) {
    case ui::ControlKind::Button: dom::setText(id, static_cast<const ui::Button&>(c).caption()); break;
    case ui::ControlKind::Frame: dom::setText(id, static_cast<const ui::Frame&>(c).caption()); break;
    case ui::ControlKind::ComboBox: {
      auto& cb = static_cast<const ui::ComboBox&>(c);
      dom::setItems(id, joined(cb.items()), cb.selected());
      dom::setText(id, cb.text());
      break;
    }
    default: break;
  }
  // A hidden element would drop the focus to the page: the window layer
  // hands it on first.
  if (!c.visible() && dom::hasFocus(id))
    if (const int next = focusElement(change.handOn)) focus(next);
  dom::setVisible(id, c.visible());
}

void WindowView::setStacking(int z, bool active) {
  if (form_) dom::setWindowState(window_, z, active, !form_->inputEnabled());
}

int WindowView::focusElement(const ui::Control* c) const {
  if (!c) return 0;
  if (auto w = widgets_.find(c); w != widgets_.end()) return w->second;
  for (size_t i = 0; i < items_.size(); ++i)
    if (scene_->items()[i].label == c) return items_[i];
  return 0;
}

void WindowView::focusFirst() {
  if (!form_) return;
  const int first = focusElement(form_->keyboard().first());
  focus(first ? first : window_);
}

void WindowView::focus(int id) {
  rings_.drawNow(id);
  dom::focus(id);
}

}  // namespace zemlox::web
