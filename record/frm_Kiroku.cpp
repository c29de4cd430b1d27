// Seismograph record window: layout, the pen's tick and the replay.
#include "record/frm_Kiroku.h"

#include <cmath>
#include <initializer_list>

#include "lessons/lesson_layout.h"

namespace record {
namespace {

using namespace ui;
using namespace lessons;

// Pen positions (window x, twips) where the record changes: onset of the
// initial tremor at Line1, of the principal motion at Line2, then the points
// where the last two explanations appear.
constexpr float kTremorOnset = 1200;
constexpr float kPrincipalOnset = 2880;
constexpr float kCauseShown = 3000;
constexpr float kDurationShown = 3100;

constexpr float kStep = 20;  // twips of pen travel per tick
constexpr Color kMarkerRed = 0x008080FF;
constexpr Color kTraceBlack = 0x00000000;

Label& addNote(Form& f, Label& l, const std::string& name, RectF r, const std::string& caption,
               Color color) {
  addText(f, l, name, r, nullptr, caption);
  l.setForeColor(color);
  l.setTransparent(true);
  l.setVisible(false);
  return l;
}

Line& addMarker(Form& f, Line& l, const std::string& name, float x1, float y1, float x2, float y2) {
  f.addLine(l, name, x1, y1, x2, y2);
  l.setColor(kMarkerRed);
  l.setVisible(false);
  return l;
}

}  // namespace

frm_Kiroku::frm_Kiroku(ui::Application& app)
    : ui::Form(app, {"地震計の記録", 11670, 4905, ui::sys::ButtonFace, false}) {}

void frm_Kiroku::design() {
  addHeading(*this, Label1, Label2, Command1, "地震計の記録");
  Command1.onClick = [this] { Command1_Click(); };
  addBand(*this, Shape1, "Shape1", {120, 840, 11415, 2295});
  addNote(*this, Label8, "Label8", {1320, 1080, 1455, 255}, "初期微動継続時間", 0x000000FF);
  addMarker(*this, Line1, "Line1", 1200, 1200, 1200, 2040);
  addMarker(*this, Line2, "Line2", 2880, 1200, 2880, 2040);
  addMarker(*this, Line3, "Line3", 1200, 1320, 2880, 1320);
  addNote(*this, Label9, "Label9", {1200, 2280, 975, 255}, "初期微動", kHeadingBlue);
  addNote(*this, Label10, "Label10", {3000, 2880, 975, 255}, "主要動", kHeadingBlue);
  add(Command2, "Command2", {9600, 3240, 1215, 375}).setCaption("もう一度");
  Command2.onClick = [this] { Command2_Click(); };
  addText(*this, Label3, "Label3", {1680, 3360, 5655, 255}, nullptr,
          "(1)地震計は地震のゆれのようすを記録します。");
  addText(*this, Label4, "Label4", {1680, 3600, 6615, 255}, nullptr,
          "(2)初めに小さなゆれが記録されます。これを初期微動といいます。");
  addText(*this, Label5, "Label5", {1680, 3840, 6975, 255}, nullptr,
          "(3)次に大きなゆれが記録されます。これを主要動といいます。");
  addText(*this, Label6, "Label6", {1680, 4080, 7095, 255}, nullptr,
          "(4)これは地震の２種類の振動(縦波と横波)の伝わる速さが違うためです。");
  addText(*this, Label7, "Label7", {1680, 4320, 6975, 255}, nullptr,
          "(5)初期微動が始まってから主要動までの時間を｢初期微動継続時間｣といいます。");
  for (Label* l : {&Label4, &Label5, &Label6, &Label7}) l->setVisible(false);
  addTimer(Timer1, "Timer1", 1, true).onTimer = [this] { Timer1_Timer(); };
}

void frm_Kiroku::Form_Load() {
  penTravel_ = 0;
  Timer1.setEnabled(true);
}

void frm_Kiroku::updateTraceOrigin() {
  traceLeft_ = Shape1.left() + Shape1.width() / 20;
  traceMid_ = Shape1.top() + Shape1.height() / 2;
}

void frm_Kiroku::showPassedExplanations(float pen) {
  if (pen > kTremorOnset) {
    Label4.setVisible(true);
    Label9.setVisible(true);
  }
  if (pen > kPrincipalOnset) {
    Label5.setVisible(true);
    Label10.setVisible(true);
  }
  if (pen > kCauseShown) Label6.setVisible(true);
  if (pen > kDurationShown) {
    Label7.setVisible(true);
    Line1.setVisible(true);
    Line2.setVisible(true);
    Line3.setVisible(true);
    Label8.setVisible(true);
  }
}

// Initial tremor fades as 1/t, principal motion as 1/(t - 500); both swing
// with the random factor r + 0.5 in [0.5, 1.5) so that no two swings match.
double frm_Kiroku::displacement(float pen, float r) const {
  const double h = Shape1.height();
  const double t = penTravel_;
  const double factor = static_cast<double>(r) + 0.5;
  if (pen > kPrincipalOnset) return std::sin(t / 20) * h / (t - 500) * 500 * factor;
  return std::sin(t / 10) * h / t * factor * 20;
}

void frm_Kiroku::Timer1_Timer() {
  updateTraceOrigin();
  const float pen = traceLeft_ + static_cast<float>(penTravel_);
  if (pen < kTremorOnset) {
    disp_ = 0;
    lastDisp_ = 0;
  } else {
    showPassedExplanations(pen);
    disp_ = displacement(pen, random_());
  }
  surface().line(pen - kStep, static_cast<float>(traceMid_ + lastDisp_), pen,
                 static_cast<float>(traceMid_ + disp_), kTraceBlack);
  lastDisp_ = disp_;
  penTravel_ = static_cast<std::int16_t>(penTravel_ + static_cast<int>(kStep));
  updateTraceOrigin();
  const float end = Shape1.left() + Shape1.width() - Shape1.width() / 20;
  if (traceLeft_ + static_cast<float>(penTravel_) > end) Timer1.setEnabled(false);
}

void frm_Kiroku::Command1_Click() { unload(); }

void frm_Kiroku::Command2_Click() {
  surface().clear();
  for (Control* c : std::initializer_list<Control*>{&Label4, &Label5, &Label6, &Label7, &Line1,
                                                    &Line2, &Line3, &Label8, &Label9, &Label10})
    c->setVisible(false);
  penTravel_ = 0;
  Timer1.setEnabled(true);
  Timer1_Timer();
}

}  // namespace record
