// Widgets for the window layer's containers inside a window: picture boxes
// and frames (a group box whose title stays its accessible name). Each is one
// area of its window's frame: it paints through the window, and passes mouse
// and touch input to ui/.
#pragma once

#include <QGroupBox>
#include <QPaintEvent>
#include <QPainter>
#include <QWidget>
#include <type_traits>

#include "ui/controls.h"
#include "ui/qt/logical_pixels.h"

namespace zemlox::qt {

class FormWidget;

// The pixel grid of a widget shown at `zoom`, and its size in device pixels.
PixelGrid deviceGrid(const QWidget& w, double zoom);
QSize deviceSize(const QWidget& w);
// A repainted area in logical pixels as device pixels, rounded outwards.
QRect deviceRect(const QWidget& w, const QRect& logical);
// Paints a repaint of several rectangles one rectangle at a time, each with
// its own rectangular clip (in device pixels): the raster engine clips to a
// rectangle far faster than to a region of several.
template <class Paint>
void forEachClip(QPainter& p, const QPaintEvent& e, Paint paint) {
  const QWidget& w = *static_cast<const QWidget*>(p.device());
  const QRegion& region = e.region();
  if (region.rectCount() <= 1) {
    paint(deviceRect(w, e.rect()));
    return;
  }
  for (const QRect& r : region) {
    const QRect clip = deviceRect(w, r);
    p.setClipRect(clip);
    paint(clip);
  }
  p.setClipping(false);
}

// One area of a window: painted by the window's frame, its input routed to
// its container.
template <class Base>
class AreaWidget : public Base {
 public:
  AreaWidget(ui::Container& c, FormWidget& window, size_t area, QWidget* parent)
      : Base(parent), container_(&c), window_(&window), area_(area) {
    this->setAttribute(Qt::WA_AcceptTouchEvents);
    if constexpr (std::is_same_v<Base, QWidget>) {  // a picture box
      this->setMouseTracking(true);  // pupils carry items with no button held
      this->setAttribute(Qt::WA_OpaquePaintEvent);
    }
  }
  void detach() { container_ = nullptr; }

 protected:
  bool event(QEvent* e) override;
  void paintEvent(QPaintEvent* e) override;
  void mouseMoveEvent(QMouseEvent* e) override;
  void mousePressEvent(QMouseEvent* e) override;
  void mouseReleaseEvent(QMouseEvent* e) override;

 private:
  ui::Container* container_;
  FormWidget* window_;
  size_t area_;
};

using PictureWidget = AreaWidget<QWidget>;
using FrameWidget = AreaWidget<QGroupBox>;

}  // namespace zemlox::qt
