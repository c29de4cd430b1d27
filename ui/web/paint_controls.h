// Paints what the browser host does not make HTML elements of: labels,
// shapes and lines in their container's z-order, and the edges of frames and
// picture boxes, into a draw list in device pixels.
#pragma once

#include <string>

#include "ui/control.h"
#include "ui/paint_layer.h"
#include "ui/web/draw_list.h"
#include "ui/web/raster.h"

namespace zemlox::web {

using ui::GraphicLayer;

// A rectangle in twips of a container as device pixels of its canvas.
Span toDevice(const ui::RectF& r, const Scale& sc);

// Controls wholly outside `area` (device pixels) are skipped.
void paintGraphics(DrawList& dl, const ui::Container& c, GraphicLayer layer, const Scale& sc,
                   const Span& area);

// A picture box's sunken edge: dark above and left, light below and right.
void paintSunkenEdge(DrawList& dl, int w, int h, const Scale& sc);
// A frame's etched rectangle, its top edge through the middle of the caption.
void paintEtchedFrame(DrawList& dl, int w, int h, int top, const Scale& sc);

// The font size of `points` in device pixels.
double fontPixels(float points, const Scale& sc);
Face faceOf(const std::string& name);

}  // namespace zemlox::web
