// The paint lists of a window's areas: its own surface (background, shapes,
// drawings, then lines and labels), picture boxes (background, picture,
// drawings, controls, sunken edge) and frames (face, etched edge, caption, controls),
// in device pixels of one grid. Only what meets `area` is listed.
#pragma once

#include "ui/controls.h"
#include "ui/drawing_layer.h"
#include "ui/form.h"
#include "ui/paint_layer.h"
#include "ui/paint_list.h"

namespace ui {

// What painting keeps from one frame to the next, by control and by circle
// stamp, is bounded by these counts, whatever the zooms and windows of a run.
// A paint list may refer to up to kMostStamps distinct stamps made while it
// is built and replayed: they stay alive until then.
inline constexpr size_t kMostKeptControls = 4096;
inline constexpr size_t kMostStamps = 64;
struct PaintCaches {
  size_t labels = 0, controls = 0, stamps = 0;
};
PaintCaches paintCaches();

// The controls of `c` in `layer`, in z-order.
void paintControls(PaintList& out, const Container& c, GraphicLayer layer, const PixelGrid& g,
                   const PxRect& area);

void paintForm(PaintList& out, const Form& f, const DrawingLayer& drawings, const PixelGrid& g,
               const PxRect& area);
// `size` is the box's device pixels (its origin at 0, 0).
void paintPictureBox(PaintList& out, const PictureBox& box, const DrawingLayer& drawings,
                     const PixelGrid& g, const PxRect& size, const PxRect& area);
// The caption is drawn in the control font, on the frame's line.
void paintFrame(PaintList& out, const Frame& frame, const PixelGrid& g, const PxRect& size, const PxRect& area);

// A picture box's sunken edge: two rings, the outer dark above and left and
// white below and right, the inner darker above and left and light below
// and right.
void paintSunkenEdge(PaintList& out, const PxRect& size, int t);
// How far a picture box's picture stands in from its corner.
int pictureInset(const PictureBox& box, const PixelGrid& g);

}  // namespace ui
