// The observation window's load, settings lists and close: Form_Load lines
// the labels, record letters and epicentre line up with the markers; the
// lists set the earthquake size and the tick interval unless a run is going on.
#include "observe/frm_Kansoku.h"

#include "observe/geometry.h"
#include "observe/report_page.h"

namespace observe {

int sizeFromText(const std::string& t) { return t == "大" ? 3 : t == "中" ? 2 : 1; }
// Milliseconds per tick.
int intervalFromText(const std::string& t) { return t == "速" ? 10 : t == "中" ? 20 : 50; }
const char* sizeText(int m) { return m == 3 ? "大" : m == 2 ? "中" : "小"; }
const char* speedText(int ms) { return ms == 10 ? "速" : ms == 20 ? "中" : "遅"; }

// The caption is the record window's, as the lesson has always shown it; a
// browser tab names the lesson.
frm_Kansoku::frm_Kansoku(ui::Application& app)
    : ui::Form(app, {"地震計の記録", 11070, 7935, ui::sys::ButtonFace, false}) {
  setPageTitle("地震観測シミュレーション");
}

void frm_Kansoku::Form_Load() {
  sFront = 0;
  const float h1 = map1.height();
  const Marker focus = markerOf(foc);
  for (int i = 0; i < 5; ++i) {
    nobj[i].move(obs[i].left(), obs[i].top() - 10);
    const double rise = letterRise(h1, markerOf(obs[i]), focus);
    n_obj[i].setTop(static_cast<float>(tate.y1() - rise));
  }
  magnitude = sizeFromText(mag.text());
  nfoc.move(foc.left() + 10, foc.top() - 10);
  alignEpicentreLine();
  stationMoving = "no";
  focMoving = "no";
}

void frm_Kansoku::alignEpicentreLine() {
  const float x = foc.left() + foc.width() / 2;
  lfoc.setPoints(x, 0, x, foc.top());
  nfoc2.setLeft(lfoc.x1());
}

void frm_Kansoku::hideRunButtons() {
  printDue_ = false;
  Command3.setVisible(false);
  Command4.setVisible(false);
  Command5.setVisible(false);
}

void frm_Kansoku::mag_Click() {
  if (Timer1.enabled()) {
    mag.setText(sizeText(magnitude));
    return;
  }
  hideRunButtons();
  magnitude = sizeFromText(mag.text());
}

void frm_Kansoku::speed_Click() {
  if (Timer1.enabled()) {
    speed.setText(speedText(Timer1.interval()));
    return;
  }
  hideRunButtons();
  Timer1.setInterval(intervalFromText(speed.text()));
  if (realTime) cmdPace_Click();
}

void frm_Kansoku::Command1_Click() { unload(); }

// The page reads the distances and size of the run just finished and the
// markers where they stand; nothing on screen changes.
void frm_Kansoku::Command5_Click() { printReport(*app().printer(), reportInputs()); }

ReportInputs frm_Kansoku::reportInputs() const {
  auto rect = [](const ui::Shape& s) { return ui::RectF{s.left(), s.top(), s.width(), s.height()}; };
  ReportInputs in;
  in.map1Width = map1.width(), in.map1Height = map1.height();
  in.map2Width = map2.width(), in.map2Height = map2.height();
  in.kirokuWidth = kiroku.width(), in.kirokuHeight = kiroku.height();
  for (size_t i = 0; i < obs.size(); ++i) in.stations[i] = rect(obs[i]);
  in.hypocentre = rect(foc);
  in.hypoDist = hypoDist;
  in.epiDist = epiDist;
  in.magnitude = magnitude;
  // The size the run was drawn with: text typed into the list after the
  // run, never picked, must not relabel its traces.
  in.sizeText = sizeText(magnitude);
  return in;
}

}  // namespace observe
