// Surface rings and trace offsets of the run.
#include "observe/seismogram.h"

#include <algorithm>
#include <cmath>

namespace observe {

std::optional<double> surfaceRadius(double front, double depth) {
  if (front < depth) return std::nullopt;
  return std::sqrt(std::max(0.0, front * front - depth * depth));
}

double traceOffset(int S, double D, int magnitude) {
  const double s = S;
  if (2 * s < D) return 0;
  const double k = s < D ? kTremorFactor : kPrincipalFactor;
  // The phase advances 10 radians a tick, which makes the zigzag irregular.
  return (magnitude / 2.0) * k / std::sqrt(D) / std::sqrt(s) * std::sin(s / 2);
}

}  // namespace observe
