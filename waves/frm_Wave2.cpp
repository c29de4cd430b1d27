// frm_Wave2 layout.
#include "waves/frm_Wave2.h"

#include "ui/lesson_layout.h"

namespace waves {

frm_Wave2::frm_Wave2(ui::Application& app)
    : ui::Form(app, {"縦波（Ｐ波）・横波(Ｓ波)の比較", 11670, 6990, ui::sys::ButtonFace, false}) {}

void frm_Wave2::design() {
  ui::addHeading(*this, Label1, Label2, Command1, "縦波（Ｐ波）・横波(Ｓ波)の比較");
  Command1.onClick = [this] { Command1_Click(); };
}

}  // namespace waves
