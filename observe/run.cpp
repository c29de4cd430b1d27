// The earthquake run: set-off, one tick (wave-front rings in both views, one
// trace segment per station in the record), pause and restart. A tick draws
// a fixed number of pieces straight into the views, whatever the run's age.
#include <cmath>

#include "observe/colours.h"
#include "observe/frm_Kansoku.h"
#include "observe/geometry.h"
#include "observe/seismogram.h"

namespace observe {

namespace {

double diagonal(double w, double h) { return std::sqrt(w * w + h * h); }

}  // namespace

void frm_Kansoku::Command2_Click() {
  printDue_ = false;
  Command3.setVisible(true);
  Command4.setVisible(false);
  Command5.setVisible(false);
  objido.setVisible(false);
  // A class compares runs: the record just shown stays, faint, under the new one.
  if (classMode() && sFront > 0 && recordKept_) previous_ = Run{hypoDist, epiDist, runMagnitude_, sFront};
  map1.surface().clear();
  map2.surface().clear();
  kiroku.surface().clear();
  if (previous_) replayPrevious();
  recordKept_ = true;
  Form_Load();
  Timer1.setEnabled(true);
  hypoX = foc.width() / 2 + foc.left();
  hypoY = foc.width() / 2 + foc.top();
  epiX = foc.width() / 2 + foc.left();
  epiY = map1.height();
  const float h1 = map1.height();
  for (int i = 0; i < 5; ++i) {
    hypoDist[i] = hypocentralDistance(h1, markerOf(obs[i]), markerOf(foc));
    epiDist[i] = epicentralDistance(h1, markerOf(obs[i]), markerOf(foc));
    lastAmp[i] = 0;
  }
  runMagnitude_ = magnitude;  // the size list may change before the run is compared
  Timer1_Timer();
}

void frm_Kansoku::Timer1_Timer() {
  const int S = sFront;
  const double s = S;
  const double h1 = map1.height(), w1 = map1.width(), h2 = map2.height();
  // A hypocentre the pupils are to find gives no rings away.
  if (!hypocentreHidden) drawFronts(s);

  for (int i = 0; i < 5; ++i) {
    amp = traceOffset(S, hypoDist[i], magnitude);
    drawTraceSegment(S, epiDist[i], lastAmp[i], amp, ui::paletteColor(kTraceColour));
    lastAmp[i] = amp;
  }

  sFront = S + kFrontStep;
  // Over once the S front has passed beyond both views together.
  if (sFront > diagonal(w1, h2 + h1)) {
    Timer1.setEnabled(false);
    Command3.setVisible(false);
    Command4.setVisible(false);
    // The printed page shows the hypocentre: a class that is finding it prints after the answer.
    Command5.setVisible(!hypocentreHidden);
    printDue_ = true;
    objido.setVisible(true);
    announce(hypocentreHidden ? "地震の記録が終わりました。"
                              : "地震の記録が終わりました。「印刷」ボタンで結果を印刷できます。");
  }
}

// The record advances 10 twips a tick; each segment starts where the last ended.
void frm_Kansoku::drawTraceSegment(int S, double epi, double from, double to, ui::Color colour) {
  const double x0 = tate.x1(), y0 = tate.y1();
  const int c = S / 2;
  kiroku.surface().line(static_cast<float>(x0 + c - 10), static_cast<float>(y0 - epi + from),
                        static_cast<float>(x0 + c), static_cast<float>(y0 - epi + to), colour);
}

void frm_Kansoku::drawFronts(double s) {
  const double w2 = map2.width(), h2 = map2.height();
  // Each disc is filled with the view's background, so it covers the rings of
  // earlier ticks and every view shows one P ring with one S ring inside.
  if (s < diagonal(w2, h2)) {
    map2.surface().circle(hypoX, hypoY, static_cast<float>(2 * s), ui::paletteColor(kPFrontColour));
    map2.surface().circle(hypoX, hypoY, static_cast<float>(s), ui::paletteColor(kSFrontColour));
  }
  const double h = depth(markerOf(foc));
  if (auto r = surfaceRadius(2 * s, h))
    map1.surface().circle(epiX, epiY, static_cast<float>(*r), ui::paletteColor(kPFrontColour));
  if (auto r = surfaceRadius(s, h))
    map1.surface().circle(epiX, epiY, static_cast<float>(*r), ui::paletteColor(kSFrontColour));
}

void frm_Kansoku::Command3_Click() {
  Command4.setVisible(true);
  objido.setVisible(true);
  Timer1.setEnabled(false);
}

void frm_Kansoku::Command4_Click() {
  if (sFront <= 0) return;
  Timer1.setEnabled(true);
  Command4.setVisible(false);
  objido.setVisible(false);
}

}  // namespace observe
