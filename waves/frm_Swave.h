// frm_Swave: not built yet; shows its heading and closes.
#pragma once

#include "ui/form.h"

namespace waves {

class frm_Swave : public ui::Form {
 public:
  explicit frm_Swave(ui::Application& app);

  ui::Label Label1, Label2;
  ui::Button Command1;

  void Command1_Click() { unload(); }

 protected:
  void design() override;
};

}  // namespace waves
