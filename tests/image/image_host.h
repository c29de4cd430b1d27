// A host with no toolkit at all: it gives a window's surfaces drawing layers
// and turns the window's frame (each area's paint list at its place) into
// one image of the client area at any zoom, so pixel tests of every window run in plain C++. Pictures
// are read from the source tree; glyphs are not drawn (that is the real
// hosts' job), their text runs are kept.
#pragma once

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "ui/drawing_layer.h"
#include "ui/form.h"
#include "ui/form_frame.h"
#include "ui/paint_list.h"

namespace image_test {

class ImageHost {
 public:
  // The window must be loaded; its surfaces draw into this host from now on,
  // and still into whatever sink they had (a real host beside this one).
  explicit ImageHost(ui::Form& form);
  ~ImageHost();
  ImageHost(const ImageHost&) = delete;
  ImageHost& operator=(const ImageHost&) = delete;

  // The client area at `zoom` device pixels per layout pixel, on a screen of
  // `unit` device pixels per host pixel (where windows and areas stand).
  const ui::PixelBuffer& render(double zoom, double unit = 1);
  // The text runs of the last render, with their boxes in window pixels.
  const std::vector<ui::TextRun>& texts() const { return texts_; }
  // Where a control of the window stands in the last render.
  ui::PxRect placeOf(const ui::Control& c) const;

 private:
  class Layer;
  ui::DrawingLayer& layerOf(const ui::Surface& s);
  void replay(const ui::PaintList& list, int dx, int dy, const ui::PxRect& clip);

  ui::Form& form_;
  ui::FormFrame frame_;
  std::vector<std::unique_ptr<Layer>> layers_;
  ui::PixelGrid grid_;
  ui::PixelBuffer image_;
  std::vector<ui::TextRun> texts_;
  std::map<std::string, ui::PixelBuffer> pictures_;  // by resource name, as read
};

// How many pixels of `img` inside `r` are exactly colour `c`.
int countPixels(const ui::PixelBuffer& img, const ui::PxRect& r, ui::Color c);

}  // namespace image_test
