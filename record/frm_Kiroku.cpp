// frm_Kiroku layout.
#include "record/frm_Kiroku.h"

#include "ui/lesson_layout.h"

namespace record {

frm_Kiroku::frm_Kiroku(ui::Application& app)
    : ui::Form(app, {"地震計の記録", 11670, 4905, ui::sys::ButtonFace, false}) {}

void frm_Kiroku::design() {
  ui::addHeading(*this, Label1, Label2, Command1, "地震計の記録");
  Command1.onClick = [this] { Command1_Click(); };
}

}  // namespace record
