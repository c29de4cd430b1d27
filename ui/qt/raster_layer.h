// A drawing surface's raster layer at device resolution: each line and circle
// is painted into an image as it is drawn, so a repaint is one blit however
// many ticks drew before. The operations since the last clear are kept too,
// so a new zoom redraws them sharp instead of stretching old pixels.
#pragma once

#include <QImage>
#include <QWidget>
#include <optional>
#include <vector>

#include "ui/qt/pixel_grid.h"
#include "ui/surface.h"

namespace zemlox::qt {

class RasterLayer : public ui::SurfaceSink {
 public:
  // `widget` is repainted where drawings land.
  explicit RasterLayer(QWidget* widget);

  // With a background the layer is opaque and stands for the widget's
  // background too (nothing lies under its drawings); without, it is
  // transparent over what lies beneath.
  void setBackground(std::optional<QColor> background);
  // Fits the layer to `deviceSize` pixels at the grid's scale.
  void setGrid(const PixelGrid& grid, QSize deviceSize);
  bool opaque() const { return background_.has_value(); }

  void clear(const ui::Surface& s) override;
  void line(const ui::Surface& s, float x1, float y1, float x2, float y2, ui::Color c) override;
  void circle(const ui::Surface& s, float cx, float cy, float r, ui::Color outline,
              std::optional<ui::Color> fill) override;

  // Draws the layer's part inside `deviceClip` at the origin of a painter
  // that is in device pixels.
  void paint(QPainter& p, const QRect& deviceClip) const;

 private:
  void redraw();
  void draw(const ui::DrawOp& op);
  void remember(const ui::DrawOp& op);
  void dirty(const QRect& device);

  QWidget* widget_;
  std::optional<QColor> background_;
  PixelGrid grid_;
  QImage image_;
  // Device pixels drawn on since the last clear.
  QRect painted_;
  std::vector<ui::DrawOp> ops_;
  // Past this many operations between clears, a new zoom stretches the old
  // pixels instead of keeping every operation.
  static constexpr size_t kMaxOps = 200000;
  bool complete_ = true;
};

}  // namespace zemlox::qt
