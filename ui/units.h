// The measures every host shows the same way: twips to a layout pixel (a
// screen pixel at 100 %) and the zoom steps for a projector.
#pragma once

#include <array>

namespace ui {

// 1440 twips to an inch at 96 pixels to an inch.
inline constexpr double kTwipsPerPixel = 15.0;
inline constexpr float kOnePixel = static_cast<float>(kTwipsPerPixel);

// Ctrl with + and - step through these, in layout pixels to a pixel at 100 %.
inline constexpr std::array<double, 6> kZoomSteps{1.0, 1.25, 1.5, 2.0, 2.5, 3.0};

}  // namespace ui
