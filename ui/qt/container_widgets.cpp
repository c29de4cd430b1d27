// Picture box and frame widgets.
#include "ui/qt/container_widgets.h"

#include <cmath>

#include "ui/qt/form_widget.h"
#include "ui/qt/mouse.h"

namespace zemlox::qt {

PixelGrid deviceGrid(const QWidget& w, double zoom) { return PixelGrid{zoom * w.devicePixelRatioF()}; }

QSize deviceSize(const QWidget& w) {
  const double dpr = w.devicePixelRatioF();
  return QSize(static_cast<int>(std::ceil(w.width() * dpr)), static_cast<int>(std::ceil(w.height() * dpr)));
}

QRect deviceRect(const QWidget& w, const QRect& logical) {
  const double dpr = w.devicePixelRatioF();
  return QRectF(logical.x() * dpr, logical.y() * dpr, logical.width() * dpr, logical.height() * dpr)
      .toAlignedRect();
}

template <class Base>
bool AreaWidget<Base>::event(QEvent* e) {
  if (container_ && routeTouch(window_->finger(), *container_, e, window_->zoom())) return true;
  return Base::event(e);
}

template <class Base>
void AreaWidget<Base>::paintEvent(QPaintEvent* e) {
  if (container_) window_->paintArea(area_, *this, *e);
}

template <class Base>
void AreaWidget<Base>::mouseMoveEvent(QMouseEvent* e) { if (container_) routeMouse(*container_, e, window_->zoom()); }
template <class Base>
void AreaWidget<Base>::mousePressEvent(QMouseEvent* e) { if (container_) routeMouse(*container_, e, window_->zoom()); }
template <class Base>
void AreaWidget<Base>::mouseReleaseEvent(QMouseEvent* e) { if (container_) routeMouse(*container_, e, window_->zoom()); }

template class AreaWidget<QWidget>;
template class AreaWidget<QGroupBox>;

}  // namespace zemlox::qt
