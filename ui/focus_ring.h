// The focus ring every host draws on the control with the keyboard focus,
// however the focus came there (a click on a button leaves it there too):
// black dots one layout pixel square, one pixel apart, around a rectangle
// inside the control. A button's ring runs three pixels inside its edges,
// clear of its bevel; a painted label's on the label's own outer pixels.
#pragma once

#include "ui/control.h"
#include "ui/paint_list.h"
#include "ui/pixel_grid.h"

namespace ui {

// Layout pixels from a control's edges to its ring.
int focusRingInset(ControlKind kind);

// The ring of a control of `kind` whose device pixels are `box`, as fills.
void paintFocusRing(PaintList& out, ControlKind kind, const PxRect& box, const PixelGrid& g);

}  // namespace ui
