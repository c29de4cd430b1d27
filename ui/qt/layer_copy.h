// A drawing layer onto a Qt widget: the window layer keeps its pixels in
// Qt's own byte order (QtHost::pixelOrder), so they are copied as they are.
#pragma once

#include <QPainter>

#include "ui/drawing_layer.h"

namespace zemlox::qt {

// Copies the layer's part inside `deviceClip` to the origin of a painter
// that is in device pixels.
void copyLayer(QPainter& p, const ui::DrawingLayer& layer, const QRect& deviceClip);

}  // namespace zemlox::qt
