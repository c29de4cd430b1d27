// Picture box and frame widgets.
#include "ui/qt/container_widgets.h"

#include <QPaintEvent>
#include <QPainter>
#include <cmath>

#include "ui/qt/convert.h"
#include "ui/qt/form_widget.h"
#include "ui/qt/mouse.h"
#include "ui/paint_areas.h"
#include "ui/qt/paint_replay.h"

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

bool routeWindowTouch(QWidget& w, ui::Container& c, QEvent* e, double zoom) {
  auto* window = dynamic_cast<FormWidget*>(w.window());
  return window && routeTouch(window->finger(), c, e, zoom);
}

PictureWidget::PictureWidget(ui::PictureBox& box, QWidget* parent)
    : QWidget(parent), box_(&box), layer_(std::make_unique<RasterLayer>(this)) {
  setMouseTracking(true);  // pupils carry items with no button held
  setAttribute(Qt::WA_AcceptTouchEvents);
  setAttribute(Qt::WA_OpaquePaintEvent);
  box.surface().setSink(layer_.get());
  reloadPicture();
}

PictureWidget::~PictureWidget() { detach(); }

void PictureWidget::detach() {
  if (box_ && box_->surface().sink() == layer_.get()) box_->surface().setSink(nullptr);
  box_ = nullptr;
}

void PictureWidget::setZoom(double zoom) {
  zoom_ = zoom;
  update();
}

void PictureWidget::reloadPicture() {
  if (!box_) return;
  // With nothing under its drawings the layer is opaque and holds the
  // background too: one copy per repaint instead of a fill and a blend.
  layer_->setBackground(box_->picture().empty() ? std::optional(box_->backColor()) : std::nullopt);
}

void PictureWidget::paintEvent(QPaintEvent* e) {
  if (!box_) return;
  QPainter p(this);
  useDevicePixels(p);
  const PixelGrid g = deviceGrid(*this, zoom_);
  const QSize size = deviceSize(*this);
  layer_->setGrid(g, size.width(), size.height());
  forEachClip(p, *e, [&](const QRect& clip) {
    static ui::PaintList list;  // reused: its storage outlives the frame
    list.clear();
    ui::paintPictureBox(list, *box_, *layer_, g, {0, 0, size.width(), size.height()}, toPx(clip));
    replay(p, list, clip);
  });
}

bool PictureWidget::event(QEvent* e) {
  if (box_ && routeWindowTouch(*this, *box_, e, zoom_)) return true;
  return QWidget::event(e);
}

void PictureWidget::mouseMoveEvent(QMouseEvent* e) { if (box_) routeMouse(*box_, e, zoom_); }
void PictureWidget::mousePressEvent(QMouseEvent* e) { if (box_) routeMouse(*box_, e, zoom_); }
void PictureWidget::mouseReleaseEvent(QMouseEvent* e) { if (box_) routeMouse(*box_, e, zoom_); }

FrameWidget::FrameWidget(ui::Frame& frame, QWidget* parent)
    : QGroupBox(QString::fromStdString(frame.caption()), parent), frame_(&frame) {
  setAttribute(Qt::WA_AcceptTouchEvents);
}

bool FrameWidget::event(QEvent* e) {
  if (frame_ && routeWindowTouch(*this, *frame_, e, zoom_)) return true;
  return QGroupBox::event(e);
}

// The window layer draws the whole frame, caption included; the group box's
// title stays its accessible name.
void FrameWidget::paintEvent(QPaintEvent* e) {
  if (!frame_) return;
  QPainter p(this);
  useDevicePixels(p);
  const PixelGrid g = deviceGrid(*this, zoom_);
  const QSize size = deviceSize(*this);
  const QRect clip = deviceRect(*this, e->rect());
  static ui::PaintList list;  // reused: its storage outlives the frame
  list.clear();
  ui::paintFrame(list, *frame_, g, {0, 0, size.width(), size.height()}, toPx(clip));
  replay(p, list, clip);
}

void FrameWidget::mouseMoveEvent(QMouseEvent* e) { if (frame_) routeMouse(*frame_, e, zoom_); }
void FrameWidget::mousePressEvent(QMouseEvent* e) { if (frame_) routeMouse(*frame_, e, zoom_); }
void FrameWidget::mouseReleaseEvent(QMouseEvent* e) { if (frame_) routeMouse(*frame_, e, zoom_); }

}  // namespace zemlox::qt
