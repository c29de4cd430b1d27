// Turns the window layer's paint lists into draw lists for the page's
// canvases: fills as pixel spans, text runs on their given lines, pictures,
// and the drawing layers (an opaque layer's pixels as they are, any other
// through its canvas). It only replays; the browser draws the glyphs at the
// size and baseline the run gives.
#pragma once

#include <functional>

#include "ui/drawing_layer.h"
#include "ui/paint_list.h"
#include "ui/web/draw_list.h"
#include "ui/web/device_scale.h"

namespace zemlox::web {

// `dirty`: the parts of the area being repainted, which the list covers.
// `layerCanvas` gives the canvas a see-through drawing layer is kept on,
// its new pixels copied there first.
using LayerCanvas = std::function<int(const ui::DrawingLayer&)>;
void toDrawList(DrawList& dl, const ui::PaintList& list, const std::vector<Span>& dirty,
                const LayerCanvas& layerCanvas = {});

}  // namespace zemlox::web
