// The rule every wave window moves by: a position is its rest place plus an
// amplitude times the sine of a position term plus the wave's phase; each
// tick adds a fixed step to the phase and sets it back to 0 once it reaches
// a full turn.
#pragma once

#include <cmath>
#include <numbers>

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

}  // namespace waves
