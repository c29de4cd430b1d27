// Colours as the windows give them: 24-bit 0x00BBGGRR values, the interface
// colours of the desktop (high bit set), and the standard 16-colour palette.
#pragma once

#include <cstdint>

namespace ui {

using Color = std::uint32_t;

// Interface colours are looked up when painting, so a window can name
// "the window-text colour" without knowing the theme.
namespace sys {
constexpr Color Flag = 0x80000000u;
constexpr Color ActiveBorder = Flag | 10;
constexpr Color ButtonFace = Flag | 15;
constexpr Color WindowBackground = Flag | 5;
constexpr Color WindowText = Flag | 8;
}  // namespace sys

constexpr bool isSystemColor(Color c) { return (c & sys::Flag) != 0; }

// The concrete 0x00BBGGRR value an interface colour stands for on this
// desktop; plain colours are returned unchanged.
Color resolve(Color c);

// Index 0..15 of the standard palette as 0x00BBGGRR; out-of-range indexes
// are taken modulo 16.
Color paletteColor(int index);

constexpr int red(Color c) { return static_cast<int>(c & 0xFF); }
constexpr int green(Color c) { return static_cast<int>((c >> 8) & 0xFF); }
constexpr int blue(Color c) { return static_cast<int>((c >> 16) & 0xFF); }

}  // namespace ui
