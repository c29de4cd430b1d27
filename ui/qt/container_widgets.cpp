// Picture box and frame widgets.
#include "ui/qt/container_widgets.h"

#include <QPaintEvent>
#include <QPainter>
#include <cmath>

#include "ui/qt/convert.h"
#include "ui/qt/mouse.h"
#include "ui/qt/paint_controls.h"

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

PictureWidget::PictureWidget(ui::PictureBox& box, QWidget* parent)
    : QWidget(parent), box_(&box), layer_(std::make_unique<RasterLayer>(this)) {
  setMouseTracking(true);  // pupils carry items with no button held
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
  const QString name = QString::fromStdString(box_->picture());
  if (box_->picture().empty()) {
    picture_ = QImage();
  } else if (picture_.isNull() || picture_.text(QStringLiteral("zemlox-name")) != name) {
    picture_ = QImage(name);
    picture_.setText(QStringLiteral("zemlox-name"), name);
    scaled_ = QImage();
  }
  // With nothing under its drawings the layer is opaque and holds the
  // background too: one copy per repaint instead of a fill and a blend.
  layer_->setBackground(picture_.isNull() ? std::optional(toQColor(box_->backColor())) : std::nullopt);
}

const QImage& PictureWidget::scaledPicture(const PixelGrid& g) {
  const QSize size(static_cast<int>(std::lround(picture_.width() * g.scale)),
                   static_cast<int>(std::lround(picture_.height() * g.scale)));
  if (size == picture_.size()) return picture_;
  if (scaled_.size() != size)
    scaled_ = picture_.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
  return scaled_;
}

void PictureWidget::paintEvent(QPaintEvent* e) {
  if (!box_) return;
  QPainter p(this);
  useDevicePixels(p);
  const PixelGrid g = deviceGrid(*this, zoom_);
  const QSize size = deviceSize(*this);
  layer_->setGrid(g, size);
  const int inset = box_->border() ? 2 * g.lineWidth(1) : 0;
  forEachClip(p, *e, [&](const QRect& clip) {
    if (!layer_->opaque()) {
      p.fillRect(clip, toQColor(box_->backColor()));
      if (!picture_.isNull()) {
        // The picture stands at the inner corner, clipped inside the border.
        const QRect inner = QRect(QPoint(0, 0), size).adjusted(inset, inset, -inset, -inset) & clip;
        const QImage& picture = scaledPicture(g);
        p.drawImage(inner.topLeft(), picture, inner.translated(-inset, -inset));
      }
    }
    layer_->paint(p, clip);
    paintGraphics(p, g, *box_, GraphicLayer::All, g.twips(clip));
  });
  if (box_->border()) paintBorder(p, g);
}

void PictureWidget::paintBorder(QPainter& p, const PixelGrid& g) {
  // A sunken edge, two rings: the outer dark above and left, white below and
  // right; the inner darker above and left, light below and right.
  const int w = g.lineWidth(1);
  const QRect outer(QPoint(0, 0), deviceSize(*this));
  const QRect inner = outer.adjusted(w, w, -w, -w);
  auto ring = [&](const QRect& r, const QColor& topLeft, const QColor& bottomRight) {
    p.fillRect(QRect(r.left(), r.bottom() - w + 1, r.width(), w), bottomRight);
    p.fillRect(QRect(r.right() - w + 1, r.top(), w, r.height()), bottomRight);
    p.fillRect(QRect(r.left(), r.top(), r.width() - w, w), topLeft);
    p.fillRect(QRect(r.left(), r.top(), w, r.height() - w), topLeft);
  };
  ring(outer, QColor(160, 160, 160), Qt::white);
  ring(inner, QColor(105, 105, 105), QColor(227, 227, 227));
}

void PictureWidget::mouseMoveEvent(QMouseEvent* e) { if (box_) routeMouse(*box_, e, zoom_); }
void PictureWidget::mousePressEvent(QMouseEvent* e) { if (box_) routeMouse(*box_, e, zoom_); }
void PictureWidget::mouseReleaseEvent(QMouseEvent* e) { if (box_) routeMouse(*box_, e, zoom_); }

FrameWidget::FrameWidget(ui::Frame& frame, QWidget* parent)
    : QGroupBox(QString::fromStdString(frame.caption()), parent), frame_(&frame) {}

void FrameWidget::paintEvent(QPaintEvent* e) {
  if (!frame_) return;
  QPainter p(this);
  // A flat etched frame with its caption on the line, on the window's face.
  const QColor face = toQColor(ui::sys::ButtonFace);
  p.fillRect(rect(), face);
  const QFontMetrics fm(font());
  const QString caption = title();
  const QRect text(static_cast<int>(std::lround(8 * zoom_)), 0, fm.horizontalAdvance(caption) + 4,
                   fm.height());
  p.save();
  useDevicePixels(p);
  const PixelGrid g = deviceGrid(*this, zoom_);
  const int w = g.lineWidth(1);
  const QSize size = deviceSize(*this);
  const int mid = deviceRect(*this, QRect(0, fm.height() / 2, 1, 1)).top();
  const QRect etch(0, mid, size.width() - w, size.height() - mid - w);
  drawInnerBorder(p, etch, QColor(160, 160, 160), w);
  drawInnerBorder(p, etch.translated(w, w), Qt::white, w);
  p.restore();
  if (!caption.isEmpty()) {
    p.fillRect(text, face);
    p.setPen(Qt::black);
    p.drawText(text, Qt::AlignCenter, caption);
  }
  useDevicePixels(p);
  paintGraphics(p, g, *frame_, GraphicLayer::All, g.twips(deviceRect(*this, e->rect())));
}

void FrameWidget::mouseMoveEvent(QMouseEvent* e) { if (frame_) routeMouse(*frame_, e, zoom_); }
void FrameWidget::mousePressEvent(QMouseEvent* e) { if (frame_) routeMouse(*frame_, e, zoom_); }
void FrameWidget::mouseReleaseEvent(QMouseEvent* e) { if (frame_) routeMouse(*frame_, e, zoom_); }

}  // namespace zemlox::qt
