// P/S comparison on particle rows: layout and tick.
#include "waves/frm_Wave.h"

#include "lessons/lesson_layout.h"
#include "waves/wave_layout.h"
#include "waves/rows.h"

namespace waves {

using namespace ui;
using namespace lessons;

frm_Wave::frm_Wave(ui::Application& app)
    : ui::Form(app, {kComparisonCaption, 11670, 6990, ui::sys::ButtonFace, false}) {}

void frm_Wave::design() {
  addHeading(*this, Label1, Label2, Command1, kComparisonCaption);
  Command1.onClick = [this] { Command1_Click(); };
  addComparisonBands(*this, Shape1, Label3, Label4, sys::WindowText);
  for (int i = 0; i < 31; ++i)
    addParticle(*this, Shape2[i], "Shape2", i, {360.0f * static_cast<float>(i + 1), 1560, 135, 135}, i == 15);
  for (int i = 31; i < 62; ++i)
    addParticle(*this, Shape2[i], "Shape2", i, {360.0f * static_cast<float>(62 - i), 4920, 135, 135}, i == 46);
  addComparisonFrame(*this, Frame1, Label7, Label6, Label5, "点の動きに注目して下さい。");
  addTimer(Timer1, "Timer1", 50, true).onTimer = [this] { Timer1_Timer(); };
}

void frm_Wave::Form_Load() {
  waveP_.phase = 0;
  waveS_.phase = 0;
}

void frm_Wave::Timer1_Timer() {
  // Every particle's size is taken from the first one.
  const float w = Shape2[0].width(), h = Shape2[0].height();
  auto place = [this](int i, float x, float y) { Shape2[i].move(x, y); };
  moveRow(waveP_, kPRow, rectOf(Shape1[0]), w / 2, Shape1[0].height() / 2 + Shape1[0].top() - h / 2,
          place);
  moveRow(waveS_, kSRowBelow, rectOf(Shape1[1]), w / 2,
          Shape1[1].height() / 2 + Shape1[1].top() - h / 2, place);
  waveP_.advance();
  waveS_.advance();
}

void frm_Wave::Command1_Click() { unload(); }

}  // namespace waves
