// Qt mouse events to the window layer's mouse state and twips.
#pragma once

#include <QMouseEvent>

#include "ui/control.h"
#include "ui/qt/convert.h"

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

inline float twipsX(const QMouseEvent* e) { return static_cast<float>(e->position().x() * kTwipsPerPixel); }
inline float twipsY(const QMouseEvent* e) { return static_cast<float>(e->position().y() * kTwipsPerPixel); }

// Routes a Qt mouse event to a container of the window layer.
inline void routeMouse(ui::Container& c, QMouseEvent* e) {
  const ui::MouseState s = mouseState(e);
  switch (e->type()) {
    case QEvent::MouseMove: c.mouseMove(s, twipsX(e), twipsY(e)); break;
    case QEvent::MouseButtonPress: c.mouseDown(s, twipsX(e), twipsY(e)); break;
    case QEvent::MouseButtonRelease: c.mouseUp(s, twipsX(e), twipsY(e)); break;
    default: break;
  }
}

}  // namespace zemlox::qt
