// The window layer's focus ring in the browser: a canvas beside each button
// and marker holds the ring of ui/focus_ring.h at the element's size, and
// the page's style shows it while the element has the focus. A ring is
// drawn at once for the element with the focus; the others when the host's
// frame has nothing else to paint.
#pragma once

#include <unordered_map>

#include "ui/control.h"
#include "ui/web/device_scale.h"

namespace zemlox::web {

class FocusRings {
 public:
  FocusRings() = default;
  FocusRings(const FocusRings&) = delete;
  FocusRings& operator=(const FocusRings&) = delete;

  // Gives element `id` (a button or a marker) a ring.
  void add(int id);
  // Places element `id`'s ring on it at `r`; drawn at once if the element
  // has the focus, else it waits.
  void draw(int id, ui::ControlKind kind, const Span& r, double scale);
  // Element `id` takes the focus: its ring is drawn now if it is still waiting.
  void drawNow(int id);
  bool waiting() const { return waiting_ > 0; }
  void drawWaiting();

 private:
  struct Ring {
    int canvas = 0;
    ui::ControlKind kind = ui::ControlKind::Button;
    Span place;
    double scale = 1;
    bool waiting = false;
  };
  void paint(Ring& ring);

  std::unordered_map<int, Ring> rings_;  // by element
  int waiting_ = 0;
};

}  // namespace zemlox::web
