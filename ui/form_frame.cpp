// A window's areas, their dirty rectangles and paint lists, and the changes
// to the items over its painted labels.
#include "ui/form_frame.h"

#include <utility>

#include "ui/keyboard.h"
#include "ui/paint_areas.h"

namespace ui {

FormFrame::FormFrame(Form& form, std::function<void()> changed) : form_(form), changed_(std::move(changed)) {
  areas_.push_back({AreaKind::Window, &form, nullptr, -1, nullptr, {}, {}});
  addAreas(form, 0);
  const Keyboard& keys = form.keyboard();
  for (Control* c : form.controls())
    if (c->kind() == ControlKind::Label)
      if (const int a = areaOf(*c->container()); a >= 0)
        items_.push_back({static_cast<Label*>(c), keys.isTarget(*c), a, {}, {0, 0, -1, -1}, true, true});
}

void FormFrame::addAreas(Container& c, int parent) {
  for (Control* ctl : c.children()) {
    if (ctl->kind() != ControlKind::Frame && ctl->kind() != ControlKind::PictureBox) continue;
    auto& box = dynamic_cast<Container&>(*ctl);
    areas_.push_back(
        {ctl->kind() == ControlKind::Frame ? AreaKind::Frame : AreaKind::Picture, &box, ctl, parent, nullptr, {}, {}});
    addAreas(box, static_cast<int>(areas_.size()) - 1);
  }
}

int FormFrame::areaOf(const Container& c) const {
  for (size_t i = 0; i < areas_.size(); ++i)
    if (areas_[i].container == &c) return static_cast<int>(i);
  return -1;
}

Surface* FormFrame::surfaceOf(size_t area) const {
  const Area& a = areas_[area];
  switch (a.kind) {
    case AreaKind::Window: return &form_.surface();
    case AreaKind::Picture: return &static_cast<PictureBox&>(*a.container).surface();
    case AreaKind::Frame: break;
  }
  return nullptr;
}

PxRect FormFrame::rectOf(const RectF& r) const { return grid_.areaRect(r); }

void FormFrame::setGrid(const PixelGrid& grid) {
  grid_ = grid;
  for (Area& a : areas_) {
    a.rect = a.control ? rectOf(a.control->bounds())
                       : rectOf({0, 0, form_.style().clientWidth, form_.style().clientHeight});
    a.dirty.take();
    a.dirty.add({0, 0, a.rect.w, a.rect.h});
  }
  labelsChanged();
}

void FormFrame::changed() {
  if (changed_) changed_();
}

void FormFrame::markDirty(size_t area, const PxRect& r) {
  if (r.empty()) return;
  // The host hears of an area's first change only: it takes them all at once.
  const bool first = areas_[area].dirty.empty();
  areas_[area].dirty.add(r);
  if (first) changed();
}

void FormFrame::invalidate(const Container& c, const RectF& r) {
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

void FormFrame::invalidateAll(const Container& c) {
  if (const int a = areaOf(c); a >= 0) markDirty(a, {0, 0, areas_[a].rect.w, areas_[a].rect.h});
}

void FormFrame::paint(size_t area, const PxRect& clip, PaintList& out) const {
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

void FormFrame::labelChanged(const Control& label) {
  for (Item& item : items_)
    if (item.label == &label) {
      item.stale = true;
      if (!std::exchange(itemsStale_, true)) changed();
      return;
    }
}

void FormFrame::labelsChanged() {
  for (Item& item : items_) item.stale = true;
  itemsStale_ = true;
  changed();
}

std::vector<FormFrame::ItemChange> FormFrame::itemChanges() {
  std::vector<ItemChange> out;
  if (!itemsStale_) return out;
  itemsStale_ = false;
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
    if (const PxRect place = rectOf({l.left(), l.top(), l.width(), l.height()}); place != item.place) {
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
