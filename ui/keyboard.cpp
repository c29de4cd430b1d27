// Tab order, keys on buttons and painted targets, the keyboard pointer,
// accessible names and the announcements of picking up and putting down.
#include "ui/keyboard.h"

#include <algorithm>
#include <climits>
#include <string_view>

#include "ui/form.h"

namespace ui {
namespace {

constexpr std::string_view kWideBlank = "\u3000";

bool shown(const Control& c) {
  if (!c.exists() || !c.visible()) return false;
  for (Container* box = c.container(); box; ) {
    const auto* boxControl = dynamic_cast<const Control*>(box);
    if (!boxControl) break;
    if (!boxControl->visible()) return false;
    box = boxControl->container();
  }
  return true;
}

}  // namespace

std::string spokenText(const std::string& caption) {
  std::string_view s = caption;
  for (bool trimmed = true; trimmed;) {
    trimmed = false;
    for (std::string_view blank : {std::string_view(" "), kWideBlank}) {
      if (s.starts_with(blank)) s.remove_prefix(blank.size()), trimmed = true;
      if (s.ends_with(blank)) s.remove_suffix(blank.size()), trimmed = true;
    }
  }
  return std::string(s);
}

void Keyboard::reset() {
  targets_.clear();
  carried_.clear();
  pointers_.clear();
  focused_ = nullptr;
}

void Keyboard::addTarget(Label& label, std::function<bool()> carried) {
  targets_.push_back(&label);
  carried_.push_back(std::move(carried));
  // A click by mouse or by key alike is announced, and a pick-up grips the
  // keyboard pointer at the item.
  label.onClick = [this, inner = std::move(label.onClick)] {
    const std::vector<bool> before = carriedStates();
    if (inner) inner();
    noteChanges(before);
  };
}

int Keyboard::targetIndex(const Control& c) const {
  for (size_t i = 0; i < targets_.size(); ++i)
    if (targets_[i] == &c) return static_cast<int>(i);
  return -1;
}

bool Keyboard::isTarget(const Control& c) const { return targetIndex(c) >= 0; }

bool Keyboard::carried(const Control& c) const {
  const int i = targetIndex(c);
  return i >= 0 && carried_[static_cast<size_t>(i)]();
}

std::vector<bool> Keyboard::carriedStates() const {
  std::vector<bool> states;
  for (const auto& f : carried_) states.push_back(f());
  return states;
}

void Keyboard::noteChanges(const std::vector<bool>& before) {
  for (size_t i = 0; i < targets_.size() && i < before.size(); ++i) {
    const bool now = carried_[i]();
    if (now == before[i]) continue;
    // Its name says whether it is carried.
    if (FormView* v = form_.view()) v->accessChanged(*targets_[i]);
    const std::string name = spokenText(targets_[i]->caption());
    if (now) grip(*targets_[i]);
    form_.announce(name + (now ? "を持ち上げました" : "を置きました"));
  }
}

std::vector<Control*> Keyboard::tabOrder() const {
  std::vector<Control*> order;
  for (Control* c : form_.controls())
    if (c->kind() == ControlKind::Button || c->kind() == ControlKind::ComboBox) order.push_back(c);
  auto key = [](const Control* c) { return c->tabIndex() < 0 ? INT_MAX : c->tabIndex(); };
  std::stable_sort(order.begin(), order.end(),
                   [&](const Control* a, const Control* b) { return key(a) < key(b); });
  order.insert(order.end(), targets_.begin(), targets_.end());
  return order;
}

bool Keyboard::focusable(const Control& c) const { return shown(c); }

Control* Keyboard::first() const {
  for (Control* c : tabOrder())
    if (focusable(*c)) return c;
  return nullptr;
}

Control* Keyboard::after(const Control& c) const {
  const std::vector<Control*> order = tabOrder();
  const auto at = std::find(order.begin(), order.end(), &c);
  if (at == order.end()) return first();
  const size_t start = static_cast<size_t>(at - order.begin());
  for (size_t k = 1; k < order.size(); ++k)
    if (Control* next = order[(start + k) % order.size()]; focusable(*next)) return next;
  return nullptr;
}

void Keyboard::controlHidden() {
  if (focused_ && !focusable(*focused_)) focused_ = after(*focused_);
}

Control* Keyboard::focused() const {
  if (!focused_) return first();
  return focusable(*focused_) ? focused_ : after(*focused_);
}

bool Keyboard::press(Key k, int shift) {
  Control* current = focused();
  if (k != Key::Tab) return current && press(*current, k, shift);
  const std::vector<Control*> order = tabOrder();
  if (!current) return false;
  const auto n = static_cast<long>(order.size());
  const long at = std::find(order.begin(), order.end(), current) - order.begin();
  const long dir = (shift & kShiftKey) ? -1 : 1;
  for (long s = 1; s <= n; ++s) {
    Control* c = order[static_cast<size_t>(((at + dir * s) % n + n) % n)];
    if (focusable(*c)) {
      focused_ = c;
      return true;
    }
  }
  return false;
}

bool Keyboard::press(Control& c, Key k, int shift) {
  if (!shown(c) || !c.form()->acceptsInput()) return false;
  const bool activate = k == Key::Space || k == Key::Enter;
  if (c.kind() == ControlKind::Button) {
    if (activate) static_cast<Button&>(c).click();
    return activate;
  }
  if (!isTarget(c)) return false;
  auto& label = static_cast<Label&>(c);
  if (activate || (k == Key::Escape && carried(c))) {
    label.click();
    return true;
  }
  if (k == Key::Escape || k == Key::Tab || !carried(c)) return false;
  step(label, k, shift);
  return true;
}

Keyboard::Pointer& Keyboard::pointerFor(const Label& l) {
  for (Pointer& p : pointers_)
    if (p.view == l.container()) return p;
  pointers_.push_back({});
  pointers_.back().view = l.container();
  grip(l);
  return pointers_.back();
}

void Keyboard::grip(const Label& l) {
  Pointer& p = pointerFor(l);
  p.label = &l;
  p.x = l.left() + kGrip;
  p.y = l.top() + kGrip;
  p.anchorLeft = l.left();
  p.anchorTop = l.top();
}

void Keyboard::step(Label& l, Key k, int shift) {
  Pointer& p = pointerFor(l);
  if (p.label != &l || l.left() != p.anchorLeft || l.top() != p.anchorTop) grip(l);
  const float d = (shift & kShiftKey) ? kFineStep : kStep;
  const float x = p.x + (k == Key::Right ? d : k == Key::Left ? -d : 0);
  const float y = p.y + (k == Key::Down ? d : k == Key::Up ? -d : 0);
  Container& view = *l.container();
  // The pointer stays inside its drawing area, on the grid it started on.
  if (x < 0 || y < 0 || x >= view.areaWidth() || y >= view.areaHeight()) return;
  p.x = x;
  p.y = y;
  view.mouseMove({0, shift}, x, y);
  p.anchorLeft = l.left();
  p.anchorTop = l.top();
}

std::string Keyboard::accessibleName(const Control& c) const {
  std::string name = c.accessibleName();
  if (name.empty()) {
    switch (c.kind()) {
      case ControlKind::Label: name = spokenText(static_cast<const Label&>(c).caption()); break;
      case ControlKind::Button: name = static_cast<const Button&>(c).caption(); break;
      case ControlKind::Frame: name = static_cast<const Frame&>(c).caption(); break;
      default: break;
    }
  }
  if (carried(c)) name += "、持ち上げ中";
  return name;
}

}  // namespace ui
