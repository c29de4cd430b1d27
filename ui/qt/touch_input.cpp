// Qt touch points to the window layer's touch gestures.
#include "ui/qt/touch_input.h"

#include <QTouchEvent>

#include "ui/qt/logical_pixels.h"

namespace zemlox::qt {

bool routeTouch(Finger& finger, ui::Container& c, QEvent* e, double zoom) {
  const QEvent::Type type = e->type();
  if (type != QEvent::TouchBegin && type != QEvent::TouchUpdate && type != QEvent::TouchEnd &&
      type != QEvent::TouchCancel)
    return false;
  e->accept();
  if (type == QEvent::TouchCancel) {
    finger.id = -1;
    finger.touch.cancel(c);
    return true;
  }
  const auto& points = static_cast<QTouchEvent*>(e)->points();
  if (type == QEvent::TouchBegin && !points.empty()) finger.id = points.front().id();
  const QEventPoint* p = nullptr;
  for (const QEventPoint& q : points)
    if (q.id() == finger.id) p = &q;
  if (!p) return true;
  const double k = kTwipsPerPixel / zoom;  // twips per logical pixel
  const auto x = static_cast<float>(p->position().x() * k), y = static_cast<float>(p->position().y() * k);
  switch (p->state()) {
    case QEventPoint::Pressed: finger.touch.press(c, x, y, static_cast<float>(k)); break;
    case QEventPoint::Updated: finger.touch.move(c, x, y); break;
    case QEventPoint::Released: {
      finger.id = -1;
      const ui::Touch::Outcome out = finger.touch.release(c, x, y);
      if (out.list && finger.openList) finger.openList(*out.list);
      break;
    }
    default: break;
  }
  return true;
}

}  // namespace zemlox::qt
