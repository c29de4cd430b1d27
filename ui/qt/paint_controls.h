// Paints the controls the host does not make widgets of: labels, shapes and
// lines, in the container's z-order, in device pixels on a pixel grid.
#pragma once

#include <QPainter>

#include "ui/control.h"
#include "ui/paint_layer.h"
#include "ui/qt/pixel_grid.h"

namespace zemlox::qt {

using ui::GraphicLayer;

// The painter is in device pixels (useDevicePixels). Controls wholly outside
// `area` (twips; the part being repainted) are skipped.
void paintGraphics(QPainter& p, const PixelGrid& g, const ui::Container& c, GraphicLayer layer,
                   const ui::RectF& area);

}  // namespace zemlox::qt
