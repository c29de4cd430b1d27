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
  FocusRings();
  ~FocusRings();
  FocusRings(const FocusRings&) = delete;
  FocusRings& operator=(const FocusRings&) = delete;

  // Gives element `id` (a button or a marker) a ring.
  void add(int id);
  // Places element `id`'s ring on it at `r`. The ring of the element with
  // the focus is drawn at once; the others, unseen until their element takes
  // the focus, once the page's next frame is out, so that they never hold a
  // window's first frame back.
  void draw(int id, ui::ControlKind kind, const Span& r, double scale);
  // Element `id` takes the focus: its ring is drawn now if it is still waiting.
  void drawNow(int id);

 private:
  struct Ring {
    int canvas = 0;
    ui::ControlKind kind = ui::ControlKind::Button;
    Span place;
    double scale = 1;
    bool waiting = false;
  };
  static void paint(Ring& ring);
  // A frame's callbacks run before it is drawn: the waiting rings come in a task after it.
  static int afterFrame(double, void*);
  static void drawWaiting(void*);

  std::unordered_map<int, Ring> rings_;  // by element
};

}  // namespace zemlox::web
