// A frame's drawing as one array of integers, replayed onto a canvas by one
// call into the page: colours, pixel spans, clips, text, layers and pictures,
// all in device pixels. Spans of one colour in a row become one canvas fill.
#pragma once

#include <cstdint>
#include <deque>
#include <string>
#include <vector>

#include "ui/color.h"
#include "ui/font.h"
#include "ui/web/device_scale.h"

namespace zemlox::web {

// A text's typeface, by its number in page.js's ZX.families.
using Face = ui::Typeface;

class DrawList {
 public:
  // Operation codes, shared with page.js.
  enum Op : int32_t { Colour = 1, Rects = 2, Clip = 3, Unclip = 4, Text = 5, Layer = 6, Image = 7, Pixels = 8 };

  void colour(ui::Color c);
  void rect(const Span& s);
  void clip(const std::vector<Span>& area);
  void unclip();
  // Lines of text in a box, clipped to it, in whole device pixels: the first
  // line's baseline `baseline` below the box's top, the next `lineStep`
  // further each; bold is the glyphs struck again `strike` pixels right.
  void text(const Span& box, int sizePx, Face face, int strike, const std::vector<std::string>& lines,
            int baseline, int lineStep);
  void layer(int id, int x, int y);
  // The part `s` of a pixel buffer (ui/pixel_buffer.h), `stride` pixels
  // wide and `rows` high, put onto the same place of the canvas as it is:
  // no clip, no blending.
  void pixels(const uint32_t* p, int stride, int rows, const Span& s);
  // A picture file scaled to exactly the pixel rectangle `to`.
  void image(const std::string& url, const ui::PxRect& to);

  // Draws everything onto the canvas or layer `target` and starts afresh.
  void replayOn(int target);
  void clear();

 private:
  void op(Op o) { open_ = -1; ops_.push_back(o); }
  const char* keep(const std::string& s);

  std::vector<int32_t> ops_;
  std::deque<std::string> strings_;  // alive until replayed; a deque keeps them in place
  int32_t colour_ = -1;  // the canvas's fill colour as RGB; -1: not known
  ui::Color given_ = 0;  // the colour colour_ was made from
  long open_ = -1;  // the count of the Rects run being added to
};

}  // namespace zemlox::web
