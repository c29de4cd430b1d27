// The observation model's geometry, in twips: the plan view's bottom edge and
// the section view's top edge are one surface line, stations lie on the
// surface, the hypocentre in the section plane below it. Markers are square,
// so their width serves for both axes.
#pragma once

namespace observe {

struct Marker {
  float left = 0, top = 0, width = 0;
};

// Depth of the hypocentre: its centre's y in the section view.
double depth(const Marker& foc);
// Height of a station's centre above the surface line (the plan view's
// bottom edge at planHeight), measured in the plan view.
double surfaceOffset(float planHeight, const Marker& station);
// Δ: from the epicentre to the station along the surface.
double epicentralDistance(float planHeight, const Marker& station, const Marker& foc);
// D: from the hypocentre to the station.
double hypocentralDistance(float planHeight, const Marker& station, const Marker& foc);
// How far above the record's time axis a station's letter stands: Δ with the
// half marker width added rather than taken off, so the letter's top lies up
// to one marker width above the trace line.
double letterRise(float planHeight, const Marker& station, const Marker& foc);

}  // namespace observe
