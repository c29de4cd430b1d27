// P-wave demonstration: layout and tick.
#include "waves/frm_Pwave.h"

#include "lessons/lesson_layout.h"
#include "waves/wave_layout.h"
#include "waves/rows.h"

namespace waves {

using namespace ui;
using namespace lessons;

frm_Pwave::frm_Pwave(ui::Application& app)
    : ui::Form(app, {"縦波(Ｐ波)のシミュレーション ", 11670, 4905, ui::sys::ButtonFace, false}) {}

void frm_Pwave::design() {
  addHeading(*this, Label1, Label2, Command1, "縦波(Ｐ波)のシミュレーション ");
  Command1.onClick = [this] { Command1_Click(); };
  addParticleRow(*this, Shape1, Shape2, Frame1);
  addText(*this, Label3, "Label3", {240, 360, 6015, 255}, &Frame1,
          "縦波は別名「疎密波」とも言い、物体が波の進行方向と同じ向きに振動します。");
  addText(*this, Label4, "Label4", {240, 600, 5895, 255}, &Frame1,
          "点の動きに注目して下さい。（点の密の部分が左に移動していきます。）");
  addText(*this, Label5, "Label5", {240, 840, 5415, 255}, &Frame1,
          "地震の縦波は小さな振動ですが、横波より地中を速く伝わります。");
  addText(*this, Label6, "Label6", {240, 1080, 3615, 255}, &Frame1,
          "（決して上下に振動する波ではありません！）");
  addTimer(Timer1, "Timer1", 50, true).onTimer = [this] { Timer1_Timer(); };
}

void frm_Pwave::Form_Load() { wave_.phase = 0; }

void frm_Pwave::Timer1_Timer() {
  const float rowTop = Shape1.height() / 2 + Shape1.top() - Shape2[0].height() / 2;
  moveRow(wave_, kPRow, rectOf(Shape1), Shape2[0].width() / 2, rowTop,
          [this](int i, float x, float y) { Shape2[i].move(x, y); });
  wave_.advance();
}

void frm_Pwave::Command1_Click() { unload(); }

}  // namespace waves
