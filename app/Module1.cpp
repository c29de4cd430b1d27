// Start routine.
#include "app/Module1.h"

namespace app {

void Module1::Main() {
  if (!frmMain_) frmMain_ = std::make_unique<frmMain>(app_);
  frmMain_->show();
}

}  // namespace app
