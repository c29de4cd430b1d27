// frm_Kansoku: not built yet; shows its heading and closes.
#pragma once

#include "ui/form.h"

namespace observe {

class frm_Kansoku : public ui::Form {
 public:
  explicit frm_Kansoku(ui::Application& app);

  ui::Label Label1, Label2;
  ui::Button Command1;

  void Command1_Click() { unload(); }

 protected:
  void design() override;
};

}  // namespace observe
