// What a host shows for one area (a window's own surface, a picture box or a
// frame): device-pixel primitives in paint order, every pixel decision made.
// Fills are exact rectangles of one colour (backgrounds, edges, lines as rows
// and columns); text runs carry their lines already broken; a host only
// turns these into pixels, drawing glyphs and copying the drawing layer.
#pragma once

#include <string>
#include <vector>

#include "ui/color.h"
#include "ui/pixel_grid.h"

namespace ui {

class DrawingLayer;

struct TextRun {
  PxRect box;  // the label: text is clipped to it
  std::string face;
  int sizePx = 12;    // device pixels, regular weight
  int strike = 0;     // bold: the glyphs struck again this many pixels to the right
  Color color = 0;    // resolved
  std::vector<std::string> lines;
  int baseline = 0;  // device pixels from the box's top to the first line's baseline
  int lineStep = 0;  // device pixels from one line's baseline to the next
};

struct PaintItem;
// Fills drawn alike at many places (the particles of a row): a host may
// draw them once and copy them, keyed by `serial`, which no other stamp of
// the run ever has. Positions are from the stamp's corner.
struct Stamp {
  int w = 0, h = 0;
  std::vector<PaintItem> fills;
  unsigned long long serial = 0;
};

struct PaintItem {
  enum Kind { Fill, Text, Image, Drawing, Stamped } kind = Fill;
  // Fill: the pixels; Image: the device pixels the whole picture is scaled to;
  // Stamped: where the stamp's corner stands (x, y).
  PxRect rect;
  PxRect clip;  // Image: the part of the area it may cover
  Color color = 0;  // Fill: resolved
  int index = 0;  // Text: into texts; Image: into images
  const DrawingLayer* layer = nullptr;  // Drawing: copied at the area's origin
  const Stamp* stamp = nullptr;  // Stamped: alive at least while the list is
};

class PaintList {
 public:
  // Inline: a line's spans make thousands of fills a frame.
  void fill(const PxRect& r, Color c) {
    if (r.empty()) return;
    PaintItem& i = items_.emplace_back();
    i.rect = r;
    // Only interface colours need the table.
    i.color = (isSystemColor(c) ? resolve(c) : c) & 0xFFFFFFu;
  }
  void text(TextRun run);
  void image(const std::string& resource, const PxRect& to, const PxRect& clip);
  void drawing(const DrawingLayer& layer);
  void stamp(const Stamp& s, int x, int y);
  // Fills kept from an earlier list, as they were.
  void fills(const std::vector<PaintItem>& items) { items_.insert(items_.end(), items.begin(), items.end()); }

  const std::vector<PaintItem>& items() const { return items_; }
  const TextRun& text(const PaintItem& i) const { return texts_[static_cast<size_t>(i.index)]; }
  const std::string& image(const PaintItem& i) const { return images_[static_cast<size_t>(i.index)]; }
  void clear();

 private:
  std::vector<PaintItem> items_;
  std::vector<TextRun> texts_;
  std::vector<std::string> images_;
};

}  // namespace ui
