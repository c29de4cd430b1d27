// Interface and palette colour tables.
#include "ui/color.h"

namespace ui {

Color resolve(Color c) {
  switch (c) {
    case sys::ActiveBorder: return 0x00B4B4B4;
    case sys::ButtonFace: return 0x00F0F0F0;
    case sys::WindowBackground: return 0x00FFFFFF;
    case sys::WindowText: return 0x00000000;
    default: return isSystemColor(c) ? 0x00000000 : (c & 0x00FFFFFF);
  }
}

Color paletteColor(int index) {
  static constexpr Color table[16] = {
      0x000000, 0x800000, 0x008000, 0x808000, 0x000080, 0x800080, 0x008080, 0xC0C0C0,
      0x808080, 0xFF0000, 0x00FF00, 0xFFFF00, 0x0000FF, 0xFF00FF, 0x00FFFF, 0xFFFFFF};
  return table[((index % 16) + 16) % 16];
}

}  // namespace ui
