// frm_Kiroku: not built yet; shows its heading and closes.
#pragma once

#include "ui/form.h"

namespace record {

class frm_Kiroku : public ui::Form {
 public:
  explicit frm_Kiroku(ui::Application& app);

  ui::Label Label1, Label2;
  ui::Button Command1;

  void Command1_Click() { unload(); }

 protected:
  void design() override;
};

}  // namespace record
