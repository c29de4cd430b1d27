// Touch areas and the touch gestures, turned into the handlers the mouse reaches.
#include "ui/touch.h"

#include <cmath>
#include <limits>

#include "ui/controls.h"
#include "ui/form.h"

namespace ui {
namespace {

float distance(const RectF& r, float x, float y) {
  const float dx = std::max({r.left - x, 0.f, x - r.right()});
  const float dy = std::max({r.top - y, 0.f, y - r.bottom()});
  return std::hypot(dx, dy);
}

bool inArea(const TouchArea& a, float x, float y, float reach, float side) {
  if (!a.widens) return a.box.contains(x, y);
  const float gx = std::max(reach, (side - a.box.width) / 2);
  const float gy = std::max(reach, (side - a.box.height) / 2);
  return x >= a.box.left - gx && x <= a.box.right() + gx && y >= a.box.top - gy && y <= a.box.bottom() + gy;
}

}  // namespace

int pickTouchArea(const std::vector<TouchArea>& areas, float x, float y, float reach, float side) {
  // The nearest box first, over every area: a plain one also keeps its
  // half of the gap to a widening neighbour.
  int best = -1;
  float nearest = std::numeric_limits<float>::infinity();
  for (size_t i = 0; i < areas.size(); ++i) {
    const float d = distance(areas[i].box, x, y);
    if (d <= nearest) best = static_cast<int>(i), nearest = d;
  }
  return best >= 0 && inArea(areas[static_cast<size_t>(best)], x, y, reach, side) ? best : -1;
}

std::vector<TouchArea> Touch::areasOf(const Container& c, std::vector<Control*>& controls) const {
  std::vector<TouchArea> areas;
  const Form* f = c.owningForm();
  for (Control* ctl : c.children()) {
    if (!ctl->visible()) continue;
    switch (ctl->kind()) {
      case ControlKind::Label:
        if (!f || !f->keyboard().isTarget(*ctl)) continue;
        break;
      case ControlKind::Button:
      case ControlKind::ComboBox:
        break;
      case ControlKind::Frame:
      case ControlKind::PictureBox:
        areas.push_back({ctl->bounds(), false});
        controls.push_back(nullptr);
        continue;
      default:
        continue;
    }
    areas.push_back({ctl->bounds(), true});
    controls.push_back(ctl);
  }
  for (const Extra& e : extras_) {
    areas.push_back({e.box, true});
    controls.push_back(nullptr);
  }
  return areas;
}

// The index of the extra hit plus one, 0 for none; the control hit in *control.
int Touch::pick(const Container& c, float x, float y, Control** control) const {
  std::vector<Control*> controls;
  const std::vector<TouchArea> areas = areasOf(c, controls);
  *control = nullptr;
  const int i = pickTouchArea(areas, x, y, kTouchSidePx / 2 * twipsPerPx_, kTouchSidePx * twipsPerPx_);
  if (i < 0) return 0;
  const size_t first = areas.size() - extras_.size();
  if (static_cast<size_t>(i) >= first) return i - static_cast<int>(first) + 1;
  *control = controls[static_cast<size_t>(i)];
  return 0;
}

void Touch::press(Container& c, float x, float y, float twipsPerPx, std::vector<Extra> extras) {
  *this = Touch();
  container_ = &c;
  extras_ = std::move(extras);
  x0_ = x, y0_ = y, twipsPerPx_ = twipsPerPx;
  down_ = true;
  Form* f = c.owningForm();
  if (!f || !f->acceptsInput()) return;
  // A touch has no hover: what follows the pointer comes to the finger first.
  c.mouseMove({0, 0}, x, y);
  if (!f->acceptsInput()) return;
  extra_ = pick(c, x, y, &target_);
  if (target_ && target_->kind() == ControlKind::Label) {
    // A drag carries the item from the first moment; the finger lifting
    // after a tap leaves it picked up.
    if (!f->keyboard().carried(*target_)) {
      static_cast<Label*>(target_)->click();
      pickedUp_ = target_->exists() && f->keyboard().carried(*target_);
    }
  } else if (!target_ && !extra_) {
    pressedArea_ = true;
    c.mouseDown({1, 0}, x, y);
  }
}

void Touch::move(Container& c, float x, float y) {
  if (!down_ || &c != container_) return;
  if (std::hypot(x - x0_, y - y0_) > kTouchSlopPx * twipsPerPx_) dragging_ = true;
  c.mouseMove({1, 0}, x, y);
}

Touch::Outcome Touch::release(Container& c, float x, float y) {
  Outcome out;
  if (!down_ || &c != container_) return out;
  const Touch t = *this;
  *this = Touch();
  Form* f = c.owningForm();
  if (!f || !f->acceptsInput()) return out;
  if (t.pressedArea_) {
    c.mouseUp({1, 0}, x, y);
    return out;
  }
  if (t.target_ && t.target_->kind() == ControlKind::Label) {
    // Down where the finger lifts: after a drag, or a tap on what was carried.
    if ((t.dragging_ || !t.pickedUp_) && t.target_->exists() && f->keyboard().carried(*t.target_))
      static_cast<Label*>(t.target_)->click();
    return out;
  }
  // Buttons, lists and extras work when the finger lifts over them still.
  Control* now = nullptr;
  const int extra = t.pick(c, x, y, &now);
  if (extra != t.extra_ || now != t.target_) return out;
  if (extra) {
    out.extra = t.extras_[static_cast<size_t>(extra - 1)].id;
  } else if (now && now->kind() == ControlKind::Button) {
    static_cast<Button*>(now)->click();
  } else if (now && now->kind() == ControlKind::ComboBox) {
    out.list = static_cast<ComboBox*>(now);
  }
  return out;
}

void Touch::cancel(Container& c) {
  if (!down_ || &c != container_) return;
  const Touch t = *this;
  *this = Touch();
  Form* f = c.owningForm();
  if (f && f->acceptsInput() && t.pickedUp_ && t.dragging_ && t.target_->exists() &&
      f->keyboard().carried(*t.target_))
    static_cast<Label*>(t.target_)->click();
}

}  // namespace ui
