// The rows the wave windows move, side by side, so that what differs between
// them is plain to see: index order, numbering, phase difference between
// neighbours and amplitude. The phase steps sit with each window's waves.
#pragma once

#include "ui/control.h"
#include "waves/wave_rule.h"

namespace waves {

// Longitudinal: indexes 0..30 left to right, neighbours 1 radian apart,
// swinging half a rest step along the row.
inline constexpr Row kPRow{0, 30, 0, 1, 1.0, -1.0, 64, Axis::Along};
// Transverse, alone in its window: indexes 0..30 left to right, neighbours
// half a radian apart, swinging two rest steps across the row.
inline constexpr Row kSRow{0, 30, 0, 1, 0.5, -0.5, 16, Axis::Across};
// Transverse under a P row: indexes 31..61 numbered right to left, placed
// from the rightmost; the position term is k / 2.
inline constexpr Row kSRowBelow{31, 61, 61, -1, 0.5, 0.0, 16, Axis::Across};
// Transverse block: the same numbering, placed from the leftmost so each
// line finds its left neighbour already set; the P wave's amplitude.
inline constexpr Row kSBlock{61, 31, 61, -1, 0.5, 0.0, 64, Axis::Across};

inline ui::RectF rectOf(const ui::Control& c) { return {c.left(), c.top(), c.width(), c.height()}; }

}  // namespace waves
