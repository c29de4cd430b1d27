// Drawing surface: hands each operation to its sink.
#include "ui/surface.h"

namespace ui {

void Surface::clear() {
  if (sink_) sink_->clear(*this);
}

void Surface::line(float x1, float y1, float x2, float y2, Color c) {
  if (sink_) sink_->line(*this, x1, y1, x2, y2, c);
}

void Surface::circle(float cx, float cy, float r, Color outline) {
  if (sink_) sink_->circle(*this, cx, cy, r, outline, fill_);
}

}  // namespace ui
