// Start-up: creates the main menu, keeps it, and shows it modeless.
#pragma once

#include <memory>

#include "app/frmMain.h"

namespace app {

class Module1 {
 public:
  explicit Module1(ui::Application& app) : app_(app) {}
  void Main();
  frmMain* mainForm() const { return frmMain_.get(); }

 private:
  ui::Application& app_;
  std::unique_ptr<frmMain> frmMain_;
};

}  // namespace app
