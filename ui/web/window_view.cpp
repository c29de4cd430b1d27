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

WindowView::WindowView(WebHost& host, ui::Form& form) : host_(host), form_(&form) {
  window_ = dom::create(dom::Kind::Window, 0);
  dom::setText(window_, form.style().caption);
  addArea(AreaKind::Window, form, nullptr, window_, true);
  build(form, window_);
  buildItems();
  form.setView(this);
}

WindowView::~WindowView() { detach(); }

WindowView::Area& WindowView::addArea(AreaKind kind, ui::Container& c, const ui::Control* ctl,
                                      int element, bool drawing) {
  auto a = std::make_unique<Area>();
  a->kind = kind;
  a->container = &c;
  a->control = ctl;
  a->element = element;
  a->canvas = dom::create(dom::Kind::Canvas, element);
  Area* raw = a.get();
  if (drawing) {
    a->layer = std::make_unique<RasterLayer>([this, raw](const Span& s) { markDirty(*raw, s); });
    ui::Surface& surface = kind == AreaKind::Window ? static_cast<ui::Form&>(c).surface()
                                                    : static_cast<ui::PictureBox&>(c).surface();
    surface.setSink(a->layer.get());
  }
  byContainer_[&c] = raw;
  byCanvas_[a->canvas] = raw;
  areas_.push_back(std::move(a));
  return *raw;
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
        addArea(AreaKind::Frame, static_cast<ui::Frame&>(*ctl), ctl, id, false);
        build(static_cast<ui::Frame&>(*ctl), id);
        break;
      case ui::ControlKind::PictureBox:
        id = dom::create(dom::Kind::Picture, parentElement);
        addArea(AreaKind::Picture, static_cast<ui::PictureBox&>(*ctl), ctl, id, true);
        build(static_cast<ui::PictureBox&>(*ctl), id);
        break;
      default: break;
    }
    widgets_[ctl] = id;
    controlsById_[id] = ctl;
    if (!ctl->accessibleName().empty()) dom::setName(id, ctl->accessibleName());
    sync(*ctl, id);
  }
}

// The painted labels get elements in their drawing area; every control of the
// window's tab order gets its place in the page's.
void WindowView::buildItems() {
  const ui::Keyboard& keys = form_->keyboard();
  for (ui::Control* c : form_->controls()) {
    if (c->kind() != ui::ControlKind::Label) continue;
    auto area = byContainer_.find(c->container());
    if (area == byContainer_.end()) continue;
    const auto kind = keys.isTarget(*c) ? dom::Kind::Marker : dom::Kind::Text;
    items_.push_back({static_cast<ui::Label*>(c), dom::create(kind, area->second->element), {}});
    if (kind == dom::Kind::Marker) rings_.add(items_.back().id);
  }
  for (ui::Control* c : keys.tabOrder()) {
    if (auto w = widgets_.find(c); w != widgets_.end()) dom::joinTabOrder(w->second);
    for (const Item& item : items_)
      if (item.label == c) dom::joinTabOrder(item.id);
  }
}

void WindowView::syncItems() {
  itemsStale_ = false;
  const ui::Keyboard& keys = form_->keyboard();
  for (Item& item : items_) {
    const ui::Label& l = *item.label;
    if (!l.exists()) continue;
    if (std::string name = keys.accessibleName(l); name != item.name) {
      item.name = std::move(name);
      dom::setText(item.id, item.name);
    }
    const Span r = toDevice({l.left(), l.top(), l.width(), l.height()}, scale_);
    if (r.x != item.place.x || r.y != item.place.y || r.w != item.place.w || r.h != item.place.h) {
      item.place = r;
      dom::place(item.id, r.x, r.y, r.w, r.h);
      rings_.draw(item.id, ui::ControlKind::Label, r, scale_.s);
    }
    if (const bool shown = l.visible() && !item.name.empty(); shown != item.shown) {
      item.shown = shown;
      if (!shown && dom::hasFocus(item.id))
        if (const int next = focusElement(keys.after(l))) focus(next);
      dom::setVisible(item.id, shown);
    }
  }
}

void WindowView::detach() {
  if (!form_) return;
  for (auto& a : areas_) {
    if (!a->layer) continue;
    ui::Surface& surface = a->kind == AreaKind::Window
                               ? static_cast<ui::Form*>(a->container)->surface()
                               : static_cast<ui::PictureBox*>(a->container)->surface();
    if (surface.sink() == a->layer.get()) surface.setSink(nullptr);
    dom::remove(a->canvas);
  }
  for (auto& [id, ctl] : controlsById_) dom::remove(id);
  for (const Item& item : items_) dom::remove(item.id);
  dom::remove(window_);
  if (form_->view() == this) form_->setView(nullptr);
  form_ = nullptr;
  touch_.reset();
  areas_.clear();
  byContainer_.clear();
  byCanvas_.clear();
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
  dom::frameWindow(window_, scale.px(kTitleBarPx * ui::kTwipsPerPixel), scale.thickness(kEdgePx),
                   ui::controlFontPixels(scale.s), scale.s / dom::pixelRatio());
  for (auto& a : areas_) {
    if (a->control) {
      const Span r = areaToDevice(a->control->bounds(), scale);
      a->w = r.w, a->h = r.h;
    } else {
      a->w = cw, a->h = ch;
    }
    dom::place(a->canvas, 0, 0, a->w, a->h);
    dom::resizeCanvas(a->canvas, std::max(1, a->w), std::max(1, a->h));
    if (a->layer) a->layer->resize(scale, a->w, a->h);
    a->dirty.take();
    a->dirty.add({0, 0, a->w, a->h});
  }
  for (auto& [ctl, id] : widgets_) {
    place(*ctl, id);
    dom::setFontPixels(id, ui::controlFontPixels(scale.s));
  }
  itemsStale_ = true;
  host_.scheduleFrame();
}

void WindowView::place(const ui::Control& c, int id) {
  const Span r = areaToDevice(c.bounds(), scale_);
  dom::place(id, r.x, r.y, r.w, r.h);
  rings_.draw(id, c.kind(), r, scale_.s);
}

void WindowView::sync(const ui::Control& c, int id) {
  switch (c.kind()) {
    case ui::ControlKind::Button: dom::setText(id, static_cast<const ui::Button&>(c).caption()); break;
    case ui::ControlKind::Frame: dom::setText(id, static_cast<const ui::Frame&>(c).caption()); break;
    case ui::ControlKind::ComboBox: {
      auto& cb = static_cast<const ui::ComboBox&>(c);
      dom::setItems(id, joined(cb.items()), cb.selected());
      dom::setText(id, cb.text());
      break;
    }
    case ui::ControlKind::PictureBox:
      if (auto it = byContainer_.find(static_cast<const ui::PictureBox*>(&c)); it != byContainer_.end())
        markDirty(*it->second, {0, 0, it->second->w, it->second->h});
      break;
    default: break;
  }
  // A hidden element would drop the focus to the page: the window layer
  // hands it on first.
  if (!c.visible() && form_ && dom::hasFocus(id))
    if (const int next = focusElement(form_->keyboard().after(c))) focus(next);
  dom::setVisible(id, c.visible());
}

void WindowView::setStacking(int z, bool active) {
  if (form_) dom::setWindowState(window_, z, active, !form_->inputEnabled());
}

int WindowView::focusElement(const ui::Control* c) const {
  if (!c) return 0;
  if (auto w = widgets_.find(c); w != widgets_.end()) return w->second;
  for (const Item& item : items_)
    if (item.label == c) return item.id;
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

void WindowView::markDirty(Area& a, const Span& s) {
  if (s.w <= 0 || s.h <= 0) return;
  a.dirty.add(s);
  host_.scheduleFrame();
}

void WindowView::accessChanged(const ui::Control&) {
  // A label moved, shown, renamed or picked up: the elements follow.
  itemsStale_ = true;
  host_.scheduleFrame();
}

void WindowView::invalidate(const ui::Container& c, const ui::RectF& r) {
  // Called for every control that moves in a tick; a window has a handful
  // of areas, so a walk over them beats hashing.
  for (auto it = areas_.rbegin(); it != areas_.rend(); ++it)
    if (Area& a = **it; a.container == &c) {
      markDirty(a, ui::PixelGrid{scale_.s}.dirty(r).intersected({0, 0, a.w, a.h}));
      return;
    }
}

void WindowView::widgetChanged(const ui::Control& c) {
  auto it = widgets_.find(&c);
  if (it == widgets_.end()) return;
  place(c, it->second);
  sync(c, it->second);
}

void WindowView::inputEnabledChanged() { host_.restack(); }

void WindowView::announce(const std::string& text) { dom::announce(text); }

}  // namespace zemlox::web
