// The Qt host as the host fuzz runs it: real windows and widgets, with the
// windows' timers ticked by the fuzz alone (no frame runs the program's
// clock: the player applies the windows' changes after each event),
// so a seed replays the same however fast the machine is; and what each
// event did to buttons and lists noted for the rules.
#pragma once

#include <vector>

#include "ui/qt/qt_host.h"

namespace hostfuzz {

class ShownHost : public zemlox::qt::QtHost {
 public:
  using QtHost::QtHost;
  void formLoaded(ui::Form& f) override;
  void wantFrame() override {}

  // Since forget(): the buttons and lists whose click handler ran.
  std::vector<const ui::Button*> clicked;
  std::vector<const ui::ComboBox*> listClicks;
  void forget() {
    clicked.clear();
    listClicks.clear();
  }
};

}  // namespace hostfuzz
