// Qt mouse events to the window layer's mouse state and twips, at the
// zoom the window is shown at; those made from a touch are left out.
#pragma once

#include <QMouseEvent>

#include "ui/control.h"
#include "ui/qt/logical_pixels.h"

namespace zemlox::qt {

inline ui::MouseState mouseState(const QMouseEvent* e) {
  ui::MouseState s;
  const Qt::MouseButtons b = e->buttons() | e->button();
  if (b & Qt::LeftButton) s.button |= 1;
  if (b & Qt::RightButton) s.button |= 2;
  if (b & Qt::MiddleButton) s.button |= 4;
  const Qt::KeyboardModifiers m = e->modifiers();
  if (m & Qt::ShiftModifier) s.shift |= 1;
  if (m & Qt::ControlModifier) s.shift |= 2;
  if (m & Qt::AltModifier) s.shift |= 4;
  return s;
}

// Routes a Qt mouse event to a container of the window layer; `zoom` is
// logical pixels per layout pixel.
inline void routeMouse(ui::Container& c, QMouseEvent* e, double zoom) {
  // A touch reaches ui/ as a touch (touch_input.h), never a second time as
  // the mouse events Qt or the window system make of it.
  if (e->device() && e->device()->type() == QInputDevice::DeviceType::TouchScreen) return;
  const ui::MouseState s = mouseState(e);
  const double k = kTwipsPerPixel / zoom;
  const auto x = static_cast<float>(e->position().x() * k);
  const auto y = static_cast<float>(e->position().y() * k);
  switch (e->type()) {
    case QEvent::MouseMove: c.mouseMove(s, x, y); break;
    case QEvent::MouseButtonPress: c.mouseDown(s, x, y); break;
    case QEvent::MouseButtonRelease: c.mouseUp(s, x, y); break;
    default: break;
  }
}

}  // namespace zemlox::qt
