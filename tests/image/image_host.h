// A host with no toolkit at all: it applies a window's frames as a screen
// would (each area's pixels kept, repainted only where a frame says, widgets
// placed and shown as the frame says) and composes the client area into one
// image, so pixel tests of every window run in plain C++. Beside a real host
// it follows the very frames that host applies; alone, it takes them itself
// at any zoom. Pictures are read from the source tree; glyphs are not drawn
// (that is the real hosts' job), their text runs are kept.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "ui/form.h"
#include "ui/paint_list.h"
#include "ui/window_scene.h"

namespace image_test {

class ImageHost {
 public:
  // The window must be loaded. Where the program has a host, this follows
  // the frames that host takes, from what is on its screen now.
  explicit ImageHost(ui::Form& form);
  ~ImageHost();
  ImageHost(const ImageHost&) = delete;
  ImageHost& operator=(const ImageHost&) = delete;

  // The client area at `zoom` device pixels per layout pixel, on a screen of
  // `unit` device pixels per host pixel (where windows and areas stand).
  // Beside a real host, the zoom must be the one that host shows.
  const ui::PixelBuffer& render(double zoom, double unit = 1);
  // The text runs on show, with their boxes in window pixels.
  const std::vector<ui::TextRun>& texts() const { return texts_; }
  // Where a control of the window stands in the last render.
  ui::PxRect placeOf(const ui::Control& c) const;
  // Drawing-layer pixels copied so far, opaque layers once, others blended.
  int layerCopies() const { return copies_; }

 private:
  struct Shown {
    ui::PxRect place;
    bool shown = true;
  };
  void apply(const ui::WindowChanges& changes);
  void repaint(size_t area, const ui::PaintList& list, const std::vector<ui::PxRect>& dirty, const ui::PxRect& bounds);
  void replay(ui::PixelBuffer& to, const ui::PaintList& list, const ui::PxRect& clip);
  void compose();
  bool follows() const;

  ui::Form& form_;
  ui::WindowScene& scene_;
  std::vector<ui::PixelBuffer> areas_;
  std::vector<std::vector<ui::TextRun>> areaTexts_;
  std::map<const ui::Control*, Shown> widgets_;
  ui::PixelBuffer image_;
  std::vector<ui::TextRun> texts_;
  std::map<std::string, ui::PixelBuffer> pictures_;  // by resource name, as read
  int copies_ = 0;
};

// How many pixels of `img` inside `r` are exactly colour `c`.
int countPixels(const ui::PixelBuffer& img, const ui::PxRect& r, ui::Color c);

}  // namespace image_test
