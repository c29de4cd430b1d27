// Paints the controls the host does not make widgets of: labels, shapes and
// lines, in the container's z-order, with a painter already scaled to twips.
#pragma once

#include <QPainter>

#include "ui/control.h"

namespace zemlox::qt {

enum class GraphicLayer {
  All,            // picture boxes and frames: everything above the drawings
  Shapes,         // a window's shapes, which lie under its drawings
  LinesAndLabels  // a window's lines and labels, above its drawings
};

// Controls wholly outside `area` (twips; the part being repainted) are skipped.
void paintGraphics(QPainter& p, const ui::Container& c, GraphicLayer layer, const QRectF& area);

}  // namespace zemlox::qt
