// A window's areas and drawing layers, and the changes its host takes: dirty
// rectangles, paint lists, widgets, label items and announcements.
#include "ui/window_scene.h"

#include <algorithm>
#include <utility>

#include "ui/application.h"
#include "ui/keyboard.h"
#include "ui/paint_areas.h"

namespace ui {

// A surface's layer, passing every drawing on to the sink it replaced.
class WindowScene::Layer : public DrawingLayer {
 public:
  Layer(WindowScene& scene, size_t area, Surface& s, ByteOrder order)
      : DrawingLayer([&scene, area](const PxRect& r) { scene.markDirty(area, r); }, order), surface(&s), next(s.sink()) {
    s.setSink(this);
  }
  ~Layer() override {
    if (surface->sink() == this) surface->setSink(next);
  }
  void clear(const Surface& s) override {
    DrawingLayer::clear(s);
    if (next) next->clear(s);
  }
  void line(const Surface& s, float x1, float y1, float x2, float y2, Color c) override {
    DrawingLayer::line(s, x1, y1, x2, y2, c);
    if (next) next->line(s, x1, y1, x2, y2, c);
  }
  void circle(const Surface& s, float cx, float cy, float r, Color outline, std::optional<Color> fill) override {
    DrawingLayer::circle(s, cx, cy, r, outline, fill);
    if (next) next->circle(s, cx, cy, r, outline, fill);
  }
  Surface* surface;
  SurfaceSink* next;
};

WindowScene::WindowScene(Form& form, ByteOrder order) : form_(form) {
  areas_.push_back({AreaKind::Window, &form, nullptr, -1, nullptr, {}, {}});
  addAreas(form, 0);
  for (size_t i = 0; i < areas_.size(); ++i) {
    if (areas_[i].kind == AreaKind::Window) addLayer(i, form.surface(), order);
    if (areas_[i].kind == AreaKind::Picture) {
      auto& box = static_cast<PictureBox&>(*areas_[i].control);
      addLayer(i, box.surface(), order);
      fitLayer(box);
    }
  }
  const Keyboard& keys = form.keyboard();
  for (Control* c : form.controls())
    if (c->kind() == ControlKind::Label)
      if (const int a = areaOf(*c->container()); a >= 0)
        items_.push_back({static_cast<Label*>(c), keys.isTarget(*c), a, {}, {0, 0, -1, -1}, true, true});
  lists_.resize(areas_.size());
  allWidgetsChanged();
  form.setView(this);
}

WindowScene::~WindowScene() {
  if (form_.view() == this) form_.setView(nullptr);
}

void WindowScene::addAreas(Container& c, int parent) {
  for (Control* ctl : c.children()) {
    if (ctl->kind() != ControlKind::Frame && ctl->kind() != ControlKind::PictureBox) continue;
    auto& box = dynamic_cast<Container&>(*ctl);
    areas_.push_back(
        {ctl->kind() == ControlKind::Frame ? AreaKind::Frame : AreaKind::Picture, &box, ctl, parent, nullptr, {}, {}});
    addAreas(box, static_cast<int>(areas_.size()) - 1);
  }
}

void WindowScene::addLayer(size_t area, Surface& s, ByteOrder order) {
  layers_.push_back(std::make_unique<Layer>(*this, area, s, order));
  areas_[area].layer = layers_.back().get();
}

void WindowScene::fitLayer(const PictureBox& box) {
  if (const int a = areaOf(box); a >= 0)
    areas_[static_cast<size_t>(a)].layer->setBackground(box.picture().empty() ? std::optional(box.backColor())
                                                                              : std::nullopt);
}

int WindowScene::areaOf(const Container& c) const {
  for (size_t i = 0; i < areas_.size(); ++i)
    if (areas_[i].container == &c) return static_cast<int>(i);
  return -1;
}

PxRect WindowScene::placeOf(const Control& c) const { return rectOf({c.left(), c.top(), c.width(), c.height()}); }

void WindowScene::setGrid(const PixelGrid& grid) {
  if (grid == grid_) return;
  grid_ = grid;
  for (Area& a : areas_) {
    a.rect = a.control ? rectOf(a.control->bounds())
                       : rectOf({0, 0, form_.style().clientWidth, form_.style().clientHeight});
    if (a.layer) a.layer->setGrid(grid_, a.rect.w, a.rect.h);
  }
  showAll();
}

void WindowScene::repaintAll() {
  for (Area& a : areas_) {
    a.dirty.take();
    markDirty(static_cast<size_t>(&a - areas_.data()), {0, 0, a.rect.w, a.rect.h});
  }
}

void WindowScene::showAll() {
  repaintAll();
  allWidgetsChanged();
  labelsChanged();
}

void WindowScene::allWidgetsChanged() {
  widgets_.clear();
  for (Control* c : form_.controls())
    if (c->isWidget()) widgets_.push_back({c, {}, c->visible() ? nullptr : form_.keyboard().after(*c)});
  wanted();
}

void WindowScene::wanted() {
  if (std::exchange(pending_, true)) return;
  if (Host* h = form_.app().host()) h->wantFrame();
}

void WindowScene::markDirty(size_t area, const PxRect& r) {
  if (r.empty()) return;
  areas_[area].dirty.add(r);
  wanted();
}

void WindowScene::invalidate(const Container& c, const RectF& r) {
  // Called for every control that moves in a tick; a window has a handful
  // of areas, so a walk over them beats hashing.
  if (areas_[last_].container != &c) {
    const int a = areaOf(c);
    if (a < 0) return;
    last_ = static_cast<size_t>(a);
  }
  const PxRect& size = areas_[last_].rect;
  markDirty(last_, grid_.dirty(r).intersected({0, 0, size.w, size.h}));
}

void WindowScene::invalidateAll(const Container& c) {
  if (const int a = areaOf(c); a >= 0) markDirty(a, {0, 0, areas_[a].rect.w, areas_[a].rect.h});
}

void WindowScene::widgetChanged(const Control& c) {
  if (c.kind() == ControlKind::PictureBox) {
    fitLayer(static_cast<const PictureBox&>(c));
    invalidateAll(static_cast<const PictureBox&>(c));
  }
  auto* ctl = const_cast<Control*>(&c);
  auto it = std::find_if(widgets_.begin(), widgets_.end(), [ctl](const WidgetChange& w) { return w.control == ctl; });
  if (it == widgets_.end()) it = widgets_.insert(widgets_.end(), {ctl, {}, nullptr});
  it->handOn = c.visible() ? nullptr : form_.keyboard().after(c);
  wanted();
}

void WindowScene::inputEnabledChanged() {
  inputChanged_ = true;
  wanted();
}

void WindowScene::announce(const std::string& text) {
  announcements_.push_back(text);
  wanted();
}

void WindowScene::accessChanged(const Control& label) {
  for (Item& item : items_)
    if (item.label == &label) {
      item.stale = true;
      itemsStale_ = true;
      wanted();
      return;
    }
}

void WindowScene::labelsChanged() {
  for (Item& item : items_) item.stale = true;
  itemsStale_ = true;
  wanted();
}

void WindowScene::paint(size_t area, const PxRect& clip, PaintList& out) const {
  const Area& a = areas_[area];
  const PxRect size{0, 0, a.rect.w, a.rect.h};
  switch (a.kind) {
    case AreaKind::Window: paintForm(out, form_, *a.layer, grid_, clip); break;
    case AreaKind::Frame: paintFrame(out, static_cast<const Frame&>(*a.control), grid_, size, clip); break;
    case AreaKind::Picture:
      paintPictureBox(out, static_cast<const PictureBox&>(*a.control), *a.layer, grid_, size, clip);
      break;
  }
}

WindowChanges WindowScene::take(bool lists) {
  WindowChanges out;
  out.form = &form_;
  out.scene = this;
  if (!std::exchange(pending_, false)) return out;
  for (size_t i = 0; i < areas_.size(); ++i) {
    if (areas_[i].dirty.empty()) continue;
    AreaPaint p{i, areas_[i].dirty.take(), {}, nullptr};
    for (const PxRect& r : p.dirty) p.bounds = p.bounds.united(r);
    if (lists) {
      lists_[i].clear();
      paint(i, p.bounds, lists_[i]);
      p.list = &lists_[i];
    }
    out.paints.push_back(std::move(p));
  }
  // Shown before hidden: the focus a hidden widget hands on may go to one
  // shown in the same frame.
  std::stable_partition(widgets_.begin(), widgets_.end(), [](const WidgetChange& w) { return w.control->visible(); });
  for (WidgetChange& w : widgets_) w.place = placeOf(*w.control);
  out.widgets = std::move(widgets_);
  widgets_.clear();
  out.items = itemChanges();
  out.announcements = std::move(announcements_);
  announcements_.clear();
  out.inputEnabledChanged = std::exchange(inputChanged_, false);
  return out;
}

std::vector<ItemChange> WindowScene::itemChanges() {
  std::vector<ItemChange> out;
  if (!std::exchange(itemsStale_, false)) return out;
  const Keyboard& keys = form_.keyboard();
  for (size_t i = 0; i < items_.size(); ++i) {
    Item& item = items_[i];
    if (!item.stale) continue;
    item.stale = false;
    const Label& l = *item.label;
    if (!l.exists()) continue;
    ItemChange change{i};
    if (std::string name = keys.accessibleName(l); name != item.name) {
      item.name = std::move(name);
      change.name = true;
    }
    if (const PxRect place = placeOf(l); place != item.place) {
      item.place = place;
      change.place = true;
    }
    if (const bool shown = l.visible() && !item.name.empty(); shown != item.shown) {
      item.shown = shown;
      change.shown = true;
      if (!shown) change.handOn = keys.after(l);
    }
    if (change.name || change.place || change.shown) out.push_back(change);
  }
  return out;
}

}  // namespace ui
