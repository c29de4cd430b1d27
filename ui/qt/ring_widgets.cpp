// Buttons with the window layer's focus ring, and the ring on any widget.
#include "ui/qt/ring_widgets.h"

#include <QPainter>
#include <QStyleOptionButton>
#include <QStylePainter>

#include "ui/focus_ring.h"
#include "ui/qt/container_widgets.h"
#include "ui/qt/convert.h"
#include "ui/qt/form_widget.h"
#include "ui/qt/painter_replay.h"

namespace zemlox::qt {

double windowZoom(const QWidget& w) {
  const auto* window = dynamic_cast<const FormWidget*>(w.window());
  return window ? window->zoom() : 1;
}

void paintFocusRing(QWidget& w, ui::ControlKind kind, double zoom) {
  QPainter p(&w);
  useDevicePixels(p);
  const QSize size = deviceSize(w);
  ui::PaintList list;
  ui::paintFocusRing(list, kind, {0, 0, size.width(), size.height()}, deviceGrid(w, zoom));
  replay(p, list, QRect(QPoint(0, 0), size));
}

void RingButton::paintEvent(QPaintEvent*) {
  {
    QStylePainter p(this);
    QStyleOptionButton opt;
    initStyleOption(&opt);
    opt.state &= ~QStyle::State_HasFocus;
    p.drawControl(QStyle::CE_PushButton, opt);
  }
  if (hasFocus()) paintFocusRing(*this, ui::ControlKind::Button, windowZoom(*this));
}

}  // namespace zemlox::qt
