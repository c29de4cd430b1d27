// The browser host's device pixels: the window layer's pixel grid at the
// page's scale, and its spans under the names the host's painters use.
#pragma once

#include "ui/pixel_grid.h"

namespace zemlox::web {

using Span = ui::PxRect;

// How many device pixels of the page stand for one pixel of the layout
// (15 twips), and the conversions every painter shares.
struct Scale {
  double s = 1;
  double unit = 1;  // device pixels per CSS pixel: the page's pixel ratio

  int px(double twips) const { return ui::PixelGrid{s}.px(twips); }
  int thickness(int widthPx) const { return ui::PixelGrid{s}.lineWidth(widthPx); }
};

// A rectangle in twips of a container as device pixels of its canvas.
inline Span toDevice(const ui::RectF& r, const Scale& sc) { return ui::PixelGrid{sc.s}.rect(r); }
// Where an element of the page (a window, a canvas, a native control) stands
// in its container: on the whole CSS pixels a desktop would place it on.
inline Span areaToDevice(const ui::RectF& r, const Scale& sc) { return ui::PixelGrid{sc.s, sc.unit}.areaRect(r); }

}  // namespace zemlox::web
