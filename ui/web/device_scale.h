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

}  // namespace zemlox::web
