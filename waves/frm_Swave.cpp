// frm_Swave layout.
#include "waves/frm_Swave.h"

#include "ui/lesson_layout.h"

namespace waves {

frm_Swave::frm_Swave(ui::Application& app)
    : ui::Form(app, {"横波(Ｓ波)のシミュレーション ", 11670, 4905, ui::sys::ButtonFace, false}) {}

void frm_Swave::design() {
  ui::addHeading(*this, Label1, Label2, Command1, "横波(Ｓ波)のシミュレーション ");
  Command1.onClick = [this] { Command1_Click(); };
}

}  // namespace waves
