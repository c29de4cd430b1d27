// Twips to device pixels at one scale (zoom × the screen's pixel ratio),
// rounded as every control and line of a window is placed, and the layout's
// lines and borders drawn exactly on that grid: n layout pixels wide is
// n × round(scale) device pixels of exactly the colour, aliased.
#pragma once

#include <QColor>
#include <QPainter>
#include <QRect>

#include "ui/geometry.h"
#include "ui/units.h"

namespace zemlox::qt {

using ui::kTwipsPerPixel;

struct PixelGrid {
  double scale = 1;  // device pixels per layout pixel

  // The device pixel edge nearest to a position in twips: where the edges
  // of controls and rectangles fall.
  int px(double twips) const;
  // The device pixel whose centre is nearest to a position in twips: where
  // a line through that position is drawn (x 1200 is pixel 80, x 1207.5
  // the middle of pixel 80, at 100 %).
  int linePx(double twips) const;
  // A width of `pixels` layout pixels in device pixels, at least one each.
  int lineWidth(int pixels) const;
  // Device rectangle of a layout rectangle: each edge rounded on its own,
  // so neighbouring rectangles meet without gaps or overlaps.
  QRect rect(const ui::RectF& r) const;
  // The pixels to repaint when a rectangle in twips changes: rounded
  // outwards, with room for the widest line drawn on it. Absurd or
  // non-finite rectangles give a rectangle covering everything.
  QRect dirty(const ui::RectF& r) const;
  // A device rectangle as twips, one pixel larger all round (for culling).
  ui::RectF twips(const QRect& device) const;
  bool operator==(const PixelGrid&) const = default;
};

// Switches the painter to device pixels (the widget's pixel ratio undone).
void useDevicePixels(QPainter& p);

// A straight line from (x1, y1) to (x2, y2) twips. Its device pixels start
// at the rounded coordinate and run `widthPx` layout pixels right or down.
void drawExactLine(QPainter& p, const PixelGrid& g, float x1, float y1, float x2, float y2,
                   const QColor& c, int widthPx, Qt::PenStyle style = Qt::SolidLine);

// The inner `width` device pixels of a device rectangle.
void drawInnerBorder(QPainter& p, const QRect& r, const QColor& c, int width);

}  // namespace zemlox::qt
