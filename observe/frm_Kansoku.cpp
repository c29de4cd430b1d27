// frm_Kansoku layout.
#include "observe/frm_Kansoku.h"

#include "ui/lesson_layout.h"

namespace observe {

frm_Kansoku::frm_Kansoku(ui::Application& app)
    : ui::Form(app, {"地震計の記録", 11070, 7935, ui::sys::ButtonFace, false}) {}

void frm_Kansoku::design() {
  ui::addHeading(*this, Label1, Label2, Command1, "地震計の記録");
  Command1.onClick = [this] { Command1_Click(); };
}

}  // namespace observe
