// A control's font as the layout names it; an empty face means the
// desktop's default interface font for Japanese text.
#pragma once

#include <string>

namespace ui {

struct Font {
  std::string face;
  float size = 9;  // points
  bool bold = false;
};

inline const char* const kPGothic = "ＭＳ Ｐゴシック";
inline const char* const kGothic = "ＭＳ ゴシック";

}  // namespace ui
