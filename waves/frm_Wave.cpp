// frm_Wave layout.
#include "waves/frm_Wave.h"

#include "ui/lesson_layout.h"

namespace waves {

frm_Wave::frm_Wave(ui::Application& app)
    : ui::Form(app, {"縦波（Ｐ波）・横波(Ｓ波)の比較", 11670, 6990, ui::sys::ButtonFace, false}) {}

void frm_Wave::design() {
  ui::addHeading(*this, Label1, Label2, Command1, "縦波（Ｐ波）・横波(Ｓ波)の比較");
  Command1.onClick = [this] { Command1_Click(); };
}

}  // namespace waves
