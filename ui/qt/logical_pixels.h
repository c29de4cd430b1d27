// The window layer's pixel grid in Qt terms: its device rectangles as
// QRects, where widgets stand in Qt's logical pixels, and a painter switched
// to device pixels.
#pragma once

#include <QPainter>
#include <QRect>

#include "ui/pixel_grid.h"

namespace zemlox::qt {

using ui::kTwipsPerPixel;
using ui::PixelGrid;

inline QRect toQRect(const ui::PxRect& r) { return QRect(r.x, r.y, r.w, r.h); }
inline ui::PxRect toPx(const QRect& r) { return {r.x(), r.y(), r.width(), r.height()}; }

// Where a window or widget of the layout rectangle `r` stands in its parent,
// in logical pixels, at `zoom` on a screen of pixel ratio `ratio`: the window
// layer's whole host pixels for it.
QRect widgetRect(const ui::RectF& r, double zoom, double ratio);
// The same for a rectangle the window layer placed in device pixels.
QRect widgetRect(const ui::PxRect& device, double ratio);

// Switches the painter to device pixels (the widget's pixel ratio undone).
void useDevicePixels(QPainter& p);

}  // namespace zemlox::qt
