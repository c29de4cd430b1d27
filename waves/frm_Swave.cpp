// S-wave demonstration: layout and tick.
#include "waves/frm_Swave.h"

#include "lessons/lesson_layout.h"
#include "waves/wave_layout.h"
#include "waves/rows.h"

namespace waves {

using namespace ui;
using namespace lessons;

frm_Swave::frm_Swave(ui::Application& app)
    : ui::Form(app, {"横波(Ｓ波)のシミュレーション ", 11670, 4905, ui::sys::ButtonFace, false}) {}

void frm_Swave::design() {
  addHeading(*this, Label1, Label2, Command1, "横波(Ｓ波)のシミュレーション ");
  Command1.onClick = [this] { Command1_Click(); };
  addParticleRow(*this, Shape1, Shape2, Frame1);
  addText(*this, Label3, "Label3", {240, 360, 6015, 255}, &Frame1,
          "横波は物体が波の進行方向と垂直な方向に振動します。");
  addText(*this, Label4, "Label4", {240, 600, 5895, 255}, &Frame1,
          "点の動きに注目して下さい。（波の山の部分が左に移動していきます。）");
  addText(*this, Label5, "Label5", {240, 840, 5775, 255}, &Frame1,
          "地震の横波は縦波より遅く伝わりますが、振幅が大きいので強く揺れます。");
  addTimer(Timer1, "Timer1", 50, true).onTimer = [this] { Timer1_Timer(); };
}

void frm_Swave::Form_Load() { wave_.phase = 0; }

void frm_Swave::Timer1_Timer() {
  const float rowTop = Shape1.height() / 2 + Shape1.top() - Shape2[0].height() / 2;
  moveRow(wave_, kSRow, rectOf(Shape1), Shape2[0].width() / 2, rowTop,
          [this](int i, float x, float y) { Shape2[i].move(x, y); });
  wave_.advance();
}

void frm_Swave::Command1_Click() { unload(); }

}  // namespace waves
