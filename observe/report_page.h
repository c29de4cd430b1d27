// The printed report of an observation run: title, plan and section panels
// with the markers, the earthquake size, and a distance-time graph with one
// seismogram per station, written in points onto a ui::Printer.
#pragma once

#include <array>
#include <string>

#include "ui/geometry.h"
#include "ui/printer.h"

namespace observe {

// Everything the page is drawn from, read when "印刷" is clicked. Sizes and
// marker rectangles in twips of their views; distances in twips.
struct ReportInputs {
  float map1Width = 0, map1Height = 0;      // plan view
  float map2Width = 0, map2Height = 0;      // section view
  float kirokuWidth = 0, kirokuHeight = 0;  // record area
  std::array<ui::RectF, 5> stations{};      // obs(0..4) in the plan view
  ui::RectF hypocentre{};                   // foc in the section view
  std::array<double, 5> hypoDist{};
  std::array<double, 5> epiDist{};
  int magnitude = 2;
  std::string sizeText;  // the size list's text, e.g. "中"
};

inline constexpr float kReportBaseFont = 9;     // points
inline constexpr float kReportTopMargin = 25;   // points
inline constexpr float kReportLeftMargin = 10;  // points

// Displacement of a printed trace in points (positive downwards) at record
// time t for a station at hypocentral distance a.
double reportDisplacement(double t, double a, int magnitude);

// Writes the whole page and ends the document.
void printReport(ui::Printer& p, const ReportInputs& in);

}  // namespace observe
