// Rectangles in twips (or points on the printed page), single precision.
#pragma once

namespace ui {

struct RectF {
  float left = 0, top = 0, width = 0, height = 0;

  float right() const { return left + width; }
  float bottom() const { return top + height; }
  bool contains(float x, float y) const {
    return x >= left && x < right() && y >= top && y < bottom();
  }
  bool empty() const { return width <= 0 || height <= 0; }
  RectF adjusted(float by) const { return {left - by, top - by, width + 2 * by, height + 2 * by}; }
};

}  // namespace ui
