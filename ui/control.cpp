// Control geometry, change notices, z-order and mouse routing.
#include "ui/control.h"

#include <algorithm>

#include "ui/controls.h"
#include "ui/form.h"

namespace ui {

Form* Control::form() const { return container_ ? container_->owningForm() : nullptr; }

void Control::invalidate() const {
  if (container_) container_->invalidate(bounds());
}

void Control::changed() {
  invalidate();
  tellView();
}

void Control::movedFrom(const RectF& before) {
  const RectF after = bounds();
  if (container_) {
    const bool overlap = before.left <= after.right() && after.left <= before.right() &&
                         before.top <= after.bottom() && after.top <= before.bottom();
    if (overlap) {
      const float l = std::min(before.left, after.left), t = std::min(before.top, after.top);
      const float r = std::max(before.right(), after.right()), b = std::max(before.bottom(), after.bottom());
      container_->invalidate({l, t, r - l, b - t});
    } else {
      container_->invalidate(before);
      container_->invalidate(after);
    }
  }
  tellView();
}

void Control::tellView() {
  Form* f = form();
  if (!f || !f->view()) return;
  if (kind() == ControlKind::Label) f->view()->accessChanged(*this);
  if (isWidget()) f->view()->widgetChanged(*this);
}

void Control::setLeft(float v) {
  if (v == rect_.left) return;
  const RectF before = bounds();
  rect_.left = v;
  movedFrom(before);
}

void Control::setTop(float v) {
  if (v == rect_.top) return;
  const RectF before = bounds();
  rect_.top = v;
  movedFrom(before);
}

void Control::move(float left, float top) {
  if (left == rect_.left && top == rect_.top) return;
  const RectF before = bounds();
  rect_.left = left;
  rect_.top = top;
  movedFrom(before);
}

void Control::setVisible(bool v) {
  if (v == visible_) return;
  visible_ = v;
  // The focus moves on before the host hears of it, so the host can follow.
  if (Form* f = form(); f && !v) f->keyboard().controlHidden();
  changed();
}

void Container::adopt(Control& c) {
  c.container_ = this;
  children_.push_back(&c);
}

void Container::releaseChildren() {
  for (Control* c : children_) c->container_ = nullptr;
  children_.clear();
  pressed_ = nullptr;
}

void Container::bringToFront(Control& c) {
  auto it = std::find(children_.begin(), children_.end(), &c);
  if (it == children_.end()) return;
  children_.erase(it);
  children_.push_back(&c);
  c.changed();
}

void Container::invalidate(const RectF& r) const {
  Form* f = owningForm();
  if (f && f->view()) f->view()->invalidate(*this, r);
}

Label* Container::labelAt(float x, float y) const {
  for (auto it = children_.rbegin(); it != children_.rend(); ++it) {
    Control* c = *it;
    if (c->kind() == ControlKind::Label && c->visible() && c->bounds().contains(x, y))
      return static_cast<Label*>(c);
  }
  return nullptr;
}

void Container::mouseMove(MouseState s, float x, float y) {
  Form* f = owningForm();
  if (!f || !f->acceptsInput()) return;
  if (Label* l = labelAt(x, y))
    l->mouseMove(s, x - l->left(), y - l->top());
  else
    onAreaMouseMove(s, x, y);
}

void Container::mouseDown(MouseState, float x, float y) {
  Form* f = owningForm();
  if (!f || !f->acceptsInput()) return;
  Label* l = labelAt(x, y);
  pressed_ = l ? static_cast<const void*>(l) : static_cast<const void*>(this);
}

void Container::mouseUp(MouseState, float x, float y) {
  Form* f = owningForm();
  const void* pressed = pressed_;
  pressed_ = nullptr;
  if (!f || !f->acceptsInput() || !pressed) return;
  // A click is a press and a release on the same target.
  Label* l = labelAt(x, y);
  if (l && pressed == l)
    l->click();
  else if (!l && pressed == this)
    onAreaClick();
}

}  // namespace ui
