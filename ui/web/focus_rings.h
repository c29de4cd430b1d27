// The window layer's focus ring in the browser: a canvas beside each button
// and marker holds the ring of ui/focus_ring.h at the element's size, and
// the page's style shows it while the element has the focus.
#pragma once

#include <unordered_map>

#include "ui/control.h"
#include "ui/web/device_scale.h"

namespace zemlox::web {

class FocusRings {
 public:
  // Gives element `id` (a button or a marker) a ring.
  void add(int id);
  // Places element `id`'s ring on it at `r` and draws it at `scale`.
  void draw(int id, ui::ControlKind kind, const Span& r, double scale);

 private:
  std::unordered_map<int, int> rings_;  // element -> its ring's canvas
};

}  // namespace zemlox::web
