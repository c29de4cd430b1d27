// Picture box and frame widgets.
#include "ui/qt/container_widgets.h"

#include <QPaintEvent>
#include <QPainter>

#include "ui/qt/convert.h"
#include "ui/qt/mouse.h"
#include "ui/qt/paint_controls.h"

namespace zemlox::qt {

PictureWidget::PictureWidget(ui::PictureBox& box, QWidget* parent)
    : QWidget(parent), box_(&box),
      layer_(std::make_unique<RasterLayer>(this, box.width(), box.height())) {
  setMouseTracking(true);  // pupils carry items with no button held
  box.surface().setSink(layer_.get());
  reloadPicture();
}

PictureWidget::~PictureWidget() { detach(); }

void PictureWidget::detach() {
  if (box_ && box_->surface().sink() == layer_.get()) box_->surface().setSink(nullptr);
  box_ = nullptr;
}

void PictureWidget::reloadPicture() {
  picture_ = box_ && !box_->picture().empty()
                 ? QImage(QString::fromStdString(box_->picture()))
                 : QImage();
}

void PictureWidget::paintEvent(QPaintEvent* e) {
  if (!box_) return;
  QPainter p(this);
  const int inset = box_->border() ? 2 : 0;
  p.fillRect(rect(), toQColor(box_->backColor()));
  if (!picture_.isNull()) {
    // The picture is shown unscaled, clipped inside the border.
    p.save();
    p.setClipRect(rect().adjusted(inset, inset, -inset, -inset));
    p.drawImage(QPoint(inset, inset), picture_);
    p.restore();
  }
  layer_->paint(p);
  p.save();
  p.setRenderHint(QPainter::Antialiasing);
  p.setRenderHint(QPainter::TextAntialiasing);
  p.scale(1.0 / kTwipsPerPixel, 1.0 / kTwipsPerPixel);
  paintGraphics(p, *box_, GraphicLayer::All, toTwips(e->rect()));
  p.restore();
  if (box_->border()) {
    // A sunken edge: dark above and left, light below and right.
    const QRect r = rect().adjusted(0, 0, -1, -1);
    p.setPen(QColor(160, 160, 160));
    p.drawLine(r.topLeft(), r.topRight());
    p.drawLine(r.topLeft(), r.bottomLeft());
    p.setPen(QColor(105, 105, 105));
    p.drawLine(r.topLeft() + QPoint(1, 1), r.topRight() + QPoint(-1, 1));
    p.drawLine(r.topLeft() + QPoint(1, 1), r.bottomLeft() + QPoint(1, -1));
    p.setPen(Qt::white);
    p.drawLine(r.bottomLeft(), r.bottomRight());
    p.drawLine(r.topRight(), r.bottomRight());
  }
}

void PictureWidget::mouseMoveEvent(QMouseEvent* e) { if (box_) routeMouse(*box_, e); }
void PictureWidget::mousePressEvent(QMouseEvent* e) { if (box_) routeMouse(*box_, e); }
void PictureWidget::mouseReleaseEvent(QMouseEvent* e) { if (box_) routeMouse(*box_, e); }

FrameWidget::FrameWidget(ui::Frame& frame, QWidget* parent)
    : QGroupBox(QString::fromStdString(frame.caption()), parent), frame_(&frame) {}

void FrameWidget::paintEvent(QPaintEvent* e) {
  if (!frame_) return;
  QPainter p(this);
  // A flat etched frame with its caption on the line, on the window's face.
  const QColor face = toQColor(ui::sys::ButtonFace);
  p.fillRect(rect(), face);
  const QFontMetrics fm(font());
  const int mid = fm.height() / 2;
  const QRect r = rect().adjusted(0, mid, -2, -2);
  p.setPen(QColor(160, 160, 160));
  p.drawRect(r);
  p.setPen(Qt::white);
  p.drawRect(r.translated(1, 1));
  const QString caption = title();
  if (!caption.isEmpty()) {
    const QRect text(8, 0, fm.horizontalAdvance(caption) + 4, fm.height());
    p.fillRect(text, face);
    p.setPen(Qt::black);
    p.drawText(text, Qt::AlignCenter, caption);
  }
  p.setRenderHint(QPainter::Antialiasing);
  p.setRenderHint(QPainter::TextAntialiasing);
  p.scale(1.0 / kTwipsPerPixel, 1.0 / kTwipsPerPixel);
  paintGraphics(p, *frame_, GraphicLayer::All, toTwips(e->rect()));
}

void FrameWidget::mouseMoveEvent(QMouseEvent* e) { if (frame_) routeMouse(*frame_, e); }
void FrameWidget::mousePressEvent(QMouseEvent* e) { if (frame_) routeMouse(*frame_, e); }
void FrameWidget::mouseReleaseEvent(QMouseEvent* e) { if (frame_) routeMouse(*frame_, e); }

}  // namespace zemlox::qt
