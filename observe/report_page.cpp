// The report page of an observation run. Every length taken from a view is
// in twips and divided by 20, so the page shows each panel at its nominal
// size in points; the record traces are computed afresh over the graph's
// whole width rather than copied from the screen.
#include "observe/report_page.h"

#include <cmath>

namespace observe {

namespace {

const char* const kReportFont = "ＭＳ ゴシック";

// Printer calls take single-precision coordinates; the page is computed in
// double precision and rounded only here.
float f(double v) { return static_cast<float>(v); }

void text(ui::Printer& p, const std::string& s, double x, double y, double size) {
  p.setFontSize(f(size));
  p.setCurrentX(f(x));
  p.setCurrentY(f(y));
  p.print(s);
}

std::string stationLetter(int i) { return std::string(1, static_cast<char>('A' + i)); }

double centreOffset(const ui::RectF& m) { return m.width / 40.0; }

void titleLine(ui::Printer& p) {
  const double base = kReportBaseFont;
  text(p, "Zemlox", kReportLeftMargin, std::floor(base / 2) + kReportTopMargin, base);
  text(p, "地震観測シミュレーション", 110, kReportTopMargin, std::floor(1.5 * base));
}

void planPanel(ui::Printer& p, const ReportInputs& in) {
  const double base = kReportBaseFont;
  const double left = kReportLeftMargin;
  const double top = 2 * base + kReportTopMargin + 10;
  const double w = in.map1Width / 20.0, h = in.map1Height / 20.0;
  p.rectangle(f(left), f(top), f(left + w), f(top + h));
  for (int i = 0; i < 5; ++i) {
    const ui::RectF& m = in.stations[static_cast<size_t>(i)];
    const double r = centreOffset(m);
    p.circle(f(left + m.left / 20.0 + r), f(top + m.top / 20.0 + m.height / 40.0), f(r));
    text(p, stationLetter(i) + "点", left + m.left / 20.0 + m.width / 20.0, top + m.top / 20.0,
         base);
  }
  text(p, "水平面", left + w - 40, top + h - 20, base);
}

void sectionPanel(ui::Printer& p, const ReportInputs& in) {
  const double base = kReportBaseFont;
  const double left = kReportLeftMargin;
  // The section panel's top edge is the plan panel's bottom edge.
  const double top = in.map1Height / 20.0 + 2 * base + kReportTopMargin + 10;
  const double w = in.map2Width / 20.0, h = in.map2Height / 20.0;
  text(p, "縦断面", left + w - 40, top + 20, base);
  p.rectangle(f(left), f(top), f(left + w), f(top + h));
  const ui::RectF& m = in.hypocentre;
  const double xf = left + m.left / 20.0 + m.width / 40.0;
  const double yf = top + m.top / 20.0 + m.height / 40.0;
  p.line(f(xf), f(top), f(xf), f(yf));
  p.circle(f(xf), f(yf), f(m.width / 40.0));
  const double labelX = left + m.left / 20.0 + m.width / 20.0;
  text(p, "震源", labelX, top + m.top / 20.0, base);
  text(p, "地震の大きさ：" + in.sizeText, labelX, top + h + 2 * base, base);
}

void trace(ui::Printer& p, double originX, double baseline, double a, int magnitude,
           double endTime) {
  double prevY = 0;
  // One unit of record time is half a twip of paper: 1/40 point.
  for (int t = 0; t <= endTime; t += 20) {
    const double y = reportDisplacement(t, a, magnitude);
    p.line(f(originX + t / 40.0 - 0.5), f(baseline + prevY), f(originX + t / 40.0),
           f(baseline + y));
    prevY = y;
  }
}

void recordPanel(ui::Printer& p, const ReportInputs& in) {
  const double base = kReportBaseFont;
  const double wr = in.kirokuWidth / 20.0, hr = in.kirokuHeight / 20.0;
  // The graph's origin: its bottom-left corner, right of the other panels.
  const double ox = in.map1Width / 20.0 + kReportLeftMargin + 10;
  const double oy = hr + 2 * base + kReportTopMargin - 30;
  p.line(f(ox), f(oy), f(ox), f(oy - hr + 20));
  p.line(f(ox), f(oy), f(ox + wr), f(oy));
  text(p, "震央距離", ox - 5, oy - hr + 10, base);
  text(p, "時間", ox + wr - 30, oy, base);
  for (int i = 0; i < 5; ++i) {
    const auto k = static_cast<size_t>(i);
    const double baseline = oy - in.epiDist[k] / 20.0;
    text(p, stationLetter(i), ox - base / 2, baseline - base / 2, base);
    trace(p, ox, baseline, in.hypoDist[k], in.magnitude, 2.0 * in.kirokuWidth);
  }
}

}  // namespace

double reportDisplacement(double t, double a, int magnitude) {
  // The hypocentre lies below the surface, so a > 0 after any run; a page
  // printed from distances never set stays flat instead of dividing by zero.
  if (!(a > 0) || 2 * t < a) return 0;
  const double coefficient = t < a ? 5000.0 : 20000.0 + 5000.0;
  return coefficient * (magnitude / 2.0) * std::sin((t - a) / 2) / std::sqrt(a) / std::sqrt(t);
}

void printReport(ui::Printer& p, const ReportInputs& in) {
  p.setUnitPoints();
  p.setDocumentName("地震観測の記録");
  p.setFontName(kReportFont);
  titleLine(p);
  planPanel(p, in);
  sectionPanel(p, in);
  recordPanel(p, in);
  p.endDoc();
}

}  // namespace observe
