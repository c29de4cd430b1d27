// A control's font as the layout names it, and the two bundled typefaces
// every face is drawn and measured in; an empty face is the interface font,
// drawn in the proportional one.
#pragma once

#include <algorithm>
#include <array>
#include <cmath>
#include <string>

namespace ui {

struct Font {
  std::string face;
  float size = 9;  // points of the layout, 4/3 of a layout pixel each
  bool bold = false;
};

// Buttons, lists and frame captions: the interface font at 9 pt, in whole
// pixels at a scale (device pixels per layout pixel).
inline constexpr float kControlPoints = 9;
inline int controlFontPixels(double scale) {
  return std::max(1, static_cast<int>(std::lround(kControlPoints * 4.0 / 3.0 * scale)));
}

inline const char* const kPGothic = "ＭＳ Ｐゴシック";
inline const char* const kGothic = "ＭＳ ゴシック";

// The two typefaces every face is drawn in, from the IPA Gothic fonts:
// kGothic in the fixed-width one, any other face (kPGothic, the default)
// in the proportional one.
enum class Typeface { PGothic = 0, Gothic = 1 };
inline Typeface typefaceOf(const std::string& face) {
  return face == kGothic ? Typeface::Gothic : Typeface::PGothic;
}
// Their families, by Typeface: the installed fonts on the desktop, and the
// renamed subsets the browser edition bundles (scripts/build-web.sh).
inline constexpr std::array<const char*, 2> kDesktopFamilies{"IPAPGothic", "IPAGothic"};
inline constexpr std::array<const char*, 2> kPageFamilies{"ZemloxPGothic", "ZemloxGothic"};
inline const char* familyOf(const std::array<const char*, 2>& families, const std::string& face) {
  return families[static_cast<size_t>(typefaceOf(face))];
}

}  // namespace ui
