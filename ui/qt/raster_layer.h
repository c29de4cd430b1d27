// A drawing surface's layer in a Qt widget: the window layer rasterises the
// drawings into its pixel buffer; this copies the buffer to the screen and
// asks Qt to repaint where drawings land.
#pragma once

#include <QPainter>
#include <QWidget>

#include "ui/drawing_layer.h"

namespace zemlox::qt {

class RasterLayer : public ui::DrawingLayer {
 public:
  // `widget` is repainted where drawings land.
  explicit RasterLayer(QWidget* widget);
};

// Copies the layer's part inside `deviceClip` to the origin of a painter
// that is in device pixels.
void copyLayer(QPainter& p, const ui::DrawingLayer& layer, const QRect& deviceClip);

}  // namespace zemlox::qt
