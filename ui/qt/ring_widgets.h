// The window layer's focus ring on Qt widgets: buttons and lists leave out
// the style's own focus drawing, and the ring of ui/focus_ring.h is replayed
// over a button or a painted label that has the focus.
#pragma once

#include <QPushButton>

#include "ui/control.h"

namespace zemlox::qt {

// Replays the ring of a control of `kind` over widget `w`, its window shown
// at `zoom`; call from w's paint event.
void paintFocusRing(QWidget& w, ui::ControlKind kind, double zoom);
// The zoom of the window `w` lies in.
double windowZoom(const QWidget& w);

class RingButton : public QPushButton {
 public:
  using QPushButton::QPushButton;

 protected:
  void paintEvent(QPaintEvent* e) override;
};

}  // namespace zemlox::qt
