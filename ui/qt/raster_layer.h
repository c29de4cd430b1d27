// A drawing surface's layer in a Qt widget: the window layer rasterises the
// drawings into its pixel buffer, in Qt's own byte order; this copies the
// buffer to the screen.
#pragma once

#include <QPainter>
#include <functional>

#include "ui/drawing_layer.h"

namespace zemlox::qt {

class RasterLayer : public ui::DrawingLayer {
 public:
  // `dirty` is told the device pixels each drawing changes.
  explicit RasterLayer(std::function<void(const ui::PxRect&)> dirty);
};

// Copies the layer's part inside `deviceClip` to the origin of a painter
// that is in device pixels.
void copyLayer(QPainter& p, const ui::DrawingLayer& layer, const QRect& deviceClip);

}  // namespace zemlox::qt
