// The rule every wave window moves by: rest place plus amplitude times the
// sine of a position term plus the phase, which steps each tick and wraps to
// 0 at a full turn. A Row says, as data, how one wave moves one row of
// particles or lines; moveRow is the one loop that places them.
#pragma once

#include <cmath>
#include <numbers>

#include "ui/geometry.h"

namespace waves {

struct Wave {
  double phase = 0;  // radians
  double step = 0;   // radians per tick

  // Displacement from the rest place, in twips.
  double offset(double amplitude, double positionTerm) const {
    return amplitude * std::sin(phase + positionTerm);
  }
  void advance() {
    phase += step;
    if (phase >= 2 * std::numbers::pi) phase = 0;
  }
};

// Which coordinate a wave moves: along the row (x, a longitudinal wave) or
// across it (y, a transverse wave; positive is downwards).
enum class Axis { Along, Across };

// One row of 31 things standing along a band. Positions k = 1..31 count from
// the left; the rest places divide the band's width into 32 equal steps.
struct Row {
  int first = 0;     // index placed first in a tick
  int last = 30;     // index placed last
  int leftmost = 0;  // index at position 1
  int numbering = 1;  // +1: indexes grow to the right; -1: to the left
  // Position term of position k: termPerPosition * k + termAtZero, radians.
  double termPerPosition = 1;
  double termAtZero = -1;
  float amplitudeDivisor = 64;  // amplitude = band width / this
  Axis axis = Axis::Along;

  int position(int i) const { return 1 + numbering * (i - leftmost); }
  double term(int k) const { return termPerPosition * k + termAtZero; }
};

// Places every index of the row for the wave's current phase, in the row's
// order: place(i, x, y) with the rest place along the band at
// width / 32 * k + left - restShift and across it at restAcross. Rest places
// are single precision; the displacement is added in double precision and
// the moved coordinate rounded to single precision once.
template <class Place>
void moveRow(const Wave& wave, const Row& row, const ui::RectF& band, float restShift,
             float restAcross, Place&& place) {
  const float amplitude = band.width / row.amplitudeDivisor;
  const int dir = row.first <= row.last ? 1 : -1;
  for (int i = row.first;; i += dir) {
    const int k = row.position(i);
    const float rest = band.width / 32 * static_cast<float>(k) + band.left - restShift;
    const double d = wave.offset(amplitude, row.term(k));
    if (row.axis == Axis::Along)
      place(i, static_cast<float>(rest + d), restAcross);
    else
      place(i, rest, static_cast<float>(restAcross + d));
    if (i == row.last) break;
  }
}

}  // namespace waves
