// Noting which buttons' and lists' click handlers ran, however they were
// reached (mouse, Space, Enter).
#include "tests/hostfuzz/shown_host.h"

namespace hostfuzz {

void ShownHost::formLoaded(ui::Form& f) {
  QtHost::formLoaded(f);
  zemlox::qt::FormWidget* w = widget(f);
  if (!w) return;
  for (ui::Control* c : f.controls()) {
    if (c->kind() == ui::ControlKind::Button) {
      // Wrapped at the window layer, so a button worked by its keys is heard as
      // surely as one clicked: anything else that prints is still a stray.
      auto* b = static_cast<ui::Button*>(c);
      b->onClick = [this, b, handler = b->onClick] {
        clicked.push_back(b);
        if (handler) handler();
      };
    } else if (c->kind() == ui::ControlKind::ComboBox) {
      auto* list = static_cast<ui::ComboBox*>(c);
      list->onClick = [this, list, handler = list->onClick] {
        listClicks.push_back(list);
        if (handler) handler();
      };
    }
  }
}

}  // namespace hostfuzz
