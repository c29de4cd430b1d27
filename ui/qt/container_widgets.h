// Widgets for the window layer's containers inside a window: picture boxes
// (background, picture, raster layer, then their controls) and frames (a
// group box with its painted controls). Both pass mouse and touch input to
// ui/ and paint on the device pixel grid of the window's zoom.
#pragma once

#include <QGroupBox>
#include <QPaintEvent>
#include <QPainter>
#include <QWidget>
#include <memory>

#include "ui/controls.h"
#include "ui/qt/pixel_grid.h"
#include "ui/qt/raster_layer.h"

namespace zemlox::qt {

// The pixel grid of a widget shown at `zoom`, and its size in device pixels.
PixelGrid deviceGrid(const QWidget& w, double zoom);
QSize deviceSize(const QWidget& w);
// Routes a touch event on a container's widget through its window's finger.
bool routeWindowTouch(QWidget& w, ui::Container& c, QEvent* e, double zoom);
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

class PictureWidget : public QWidget {
 public:
  PictureWidget(ui::PictureBox& box, QWidget* parent);
  ~PictureWidget() override;
  void detach();
  void reloadPicture();
  void setZoom(double zoom);

 protected:
  bool event(QEvent* e) override;
  void paintEvent(QPaintEvent* e) override;
  void mouseMoveEvent(QMouseEvent* e) override;
  void mousePressEvent(QMouseEvent* e) override;
  void mouseReleaseEvent(QMouseEvent* e) override;

 private:
  ui::PictureBox* box_;
  double zoom_ = 1;
  std::unique_ptr<RasterLayer> layer_;
};

class FrameWidget : public QGroupBox {
 public:
  FrameWidget(ui::Frame& frame, QWidget* parent);
  void detach() { frame_ = nullptr; }
  void setZoom(double zoom) { zoom_ = zoom; }

 protected:
  bool event(QEvent* e) override;
  void paintEvent(QPaintEvent* e) override;
  void mouseMoveEvent(QMouseEvent* e) override;
  void mousePressEvent(QMouseEvent* e) override;
  void mouseReleaseEvent(QMouseEvent* e) override;

 private:
  ui::Frame* frame_;
  double zoom_ = 1;
};

}  // namespace zemlox::qt
