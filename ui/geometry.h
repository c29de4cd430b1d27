// Rectangles in twips (or points on the printed page), single precision.
#pragma once

#include <algorithm>

namespace ui {

struct RectF {
  float left = 0, top = 0, width = 0, height = 0;

  float right() const { return left + width; }
  float bottom() const { return top + height; }
  bool contains(float x, float y) const {
    return x >= left && x < right() && y >= top && y < bottom();
  }
  bool empty() const { return width <= 0 || height <= 0; }
  RectF united(const RectF& o) const {
    if (empty()) return o;
    if (o.empty()) return *this;
    float l = std::min(left, o.left), t = std::min(top, o.top);
    return {l, t, std::max(right(), o.right()) - l, std::max(bottom(), o.bottom()) - t};
  }
  RectF translated(float dx, float dy) const { return {left + dx, top + dy, width, height}; }
  RectF adjusted(float by) const { return {left - by, top - by, width + 2 * by, height + 2 * by}; }
};

}  // namespace ui
