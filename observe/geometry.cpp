// Distances of the observation model.
#include "observe/geometry.h"

#include <cmath>

namespace observe {

double depth(const Marker& foc) { return static_cast<double>(foc.top) + foc.width / 2.0; }

double surfaceOffset(float planHeight, const Marker& station) {
  return static_cast<double>(planHeight) - station.top - station.width / 2.0;
}

namespace {
// Both markers are equally wide, so the difference of the lefts is that of the centres.
double sideways(const Marker& station, const Marker& foc) {
  return static_cast<double>(station.left) - foc.left;
}
}  // namespace

double epicentralDistance(float planHeight, const Marker& station, const Marker& foc) {
  const double dy = surfaceOffset(planHeight, station), dx = sideways(station, foc);
  return std::sqrt(dy * dy + dx * dx);
}

double hypocentralDistance(float planHeight, const Marker& station, const Marker& foc) {
  const double dy = surfaceOffset(planHeight, station), dx = sideways(station, foc);
  const double h = depth(foc);
  return std::sqrt(dy * dy + dx * dx + h * h);
}

double letterRise(float planHeight, const Marker& station, const Marker& foc) {
  const double up = static_cast<double>(planHeight) - station.top + station.width / 2.0;
  const double dx = sideways(station, foc);
  return std::sqrt(up * up + dx * dx);
}

}  // namespace observe
