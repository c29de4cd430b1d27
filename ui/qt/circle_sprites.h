// Antialiased circle outlines with a fill, pre-rendered once per size,
// colours and quarter-pixel offset and then blitted: dozens of moving
// particles per tick cost a few image copies instead of path strokes, and
// still move smoothly by quarter pixels.
#pragma once

#include <QColor>
#include <QPainter>
#include <QRectF>

namespace zemlox::qt {

// Draws a circle inscribed in `r` (logical pixels, no transform on p).
void drawCircleSprite(QPainter& p, const QRectF& r, const QColor& border, const QColor* fill);

}  // namespace zemlox::qt
