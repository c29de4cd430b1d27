// Picture box and frame widgets.
#include "ui/qt/container_widgets.h"

#include <cmath>

#include "ui/qt/form_widget.h"
#include "ui/qt/mouse.h"

namespace zemlox::qt {

PixelGrid deviceGrid(const QWidget& w, double zoom) {
  return PixelGrid{zoom * w.devicePixelRatioF(), w.devicePixelRatioF()};
}

QSize deviceSize(const QWidget& w) {
  const double dpr = w.devicePixelRatioF();
  const QPoint at = w.mapTo(w.window(), QPoint(0, 0));
  auto edge = [dpr](int logical) { return static_cast<int>(std::lround(logical * dpr)); };
  return QSize(edge(at.x() + w.width()) - edge(at.x()), edge(at.y() + w.height()) - edge(at.y()));
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
