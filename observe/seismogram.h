// What one tick of a run works out: where the wave fronts cut the ground
// surface, and how far a station's trace swings, for run clock S (the S-front
// radius in twips; the P front has travelled 2S).
#pragma once

#include <optional>

namespace observe {

inline constexpr int kFrontStep = 20;                 // twips of S front per tick
inline constexpr double kTremorFactor = 50000;        // preliminary tremor
inline constexpr double kPrincipalFactor = 400000;    // principal motion

// Radius of the ring where a front of this radius meets the surface above a
// hypocentre at this depth; none until the front has reached the surface.
std::optional<double> surfaceRadius(double front, double depth);

// The trace offset in twips (positive lies below the baseline) of a station
// at hypocentral distance D: 0 until the P wave arrives (2S < D), then a
// zigzag whose envelope grows eightfold at the S arrival and fades as 1/√S.
double traceOffset(int S, double D, int magnitude);

}  // namespace observe
