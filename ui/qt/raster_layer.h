// A drawing surface's raster layer: every line and circle is painted into
// an image the moment it is drawn, so a repaint costs one image blit however
// many ticks have drawn before.
#pragma once

#include <QImage>
#include <QWidget>

#include "ui/surface.h"

namespace zemlox::qt {

class RasterLayer : public ui::SurfaceSink {
 public:
  // width and height in twips; widget is repainted where drawings land.
  RasterLayer(QWidget* widget, float width, float height);

  void clear(const ui::Surface& s) override;
  void line(const ui::Surface& s, float x1, float y1, float x2, float y2, ui::Color c) override;
  void circle(const ui::Surface& s, float cx, float cy, float r, ui::Color outline,
              std::optional<ui::Color> fill) override;

  // Draws the layer at the widget's origin.
  void paint(QPainter& p) const;

 private:
  void begin(QPainter& p);
  void dirty(double l, double t, double r, double b);

  QWidget* widget_;
  QImage image_;
};

}  // namespace zemlox::qt
