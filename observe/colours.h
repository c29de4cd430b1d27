// Colours of the observation window that more than one part of it uses:
// the views' backgrounds (also the fill of the wave-front discs) and the
// markers' fills when fixed and when carried.
#pragma once

#include "ui/color.h"

namespace observe {

inline constexpr ui::Color kPlanBack = 0x00C0FFFF;     // pale yellow
inline constexpr ui::Color kSectionBack = 0x0080FFFF;  // yellow
inline constexpr ui::Color kStationFill = 0x00FFC0C0;
inline constexpr ui::Color kStationBorder = 0x00FF0000;
inline constexpr ui::Color kFocusFill = 0x00C0C0FF;
inline constexpr ui::Color kFocusBorder = 0x000000FF;
inline constexpr ui::Color kCarriedFill = 0x00FFFFFF;

// Palette indexes of the run's drawings.
inline constexpr int kPFrontColour = 13;
inline constexpr int kSFrontColour = 9;
inline constexpr int kTraceColour = 1;

}  // namespace observe
