// List rules on the Qt host's drop-down widgets.
#include "tests/hostfuzz/list_rules.h"

#include <QComboBox>
#include <algorithm>

namespace hostfuzz {

void checkLists(fuzz::Program& p, zemlox::qt::QtHost& host, const std::set<const ui::ComboBox*>& picks,
                fuzz::Faults& out) {
  for (const ui::ComboBox* list : p.listClicks)
    if (!picks.count(list)) out.push_back(list->name() + "_Click ran without a pick");
  for (ui::Form* f : p.app().forms()) {
    zemlox::qt::FormWidget* w = host.widget(*f);
    if (!w) continue;
    for (ui::Control* c : f->controls()) {
      if (c->kind() != ui::ControlKind::ComboBox) continue;
      auto* list = static_cast<ui::ComboBox*>(c);
      auto* combo = qobject_cast<QComboBox*>(w->widgetFor(*list));
      if (!combo) continue;
      const std::string shown = combo->currentText().toStdString();
      if (shown != list->text())
        out.push_back(list->name() + " shows \"" + shown + "\" but holds \"" + list->text() + "\"");
      const auto& items = list->items();
      const auto item = std::find(items.begin(), items.end(), list->text());
      if (item != items.end() && combo->currentIndex() != static_cast<int>(item - items.begin()))
        out.push_back(list->name() + " shows the item \"" + list->text() + "\" but item " +
                      std::to_string(combo->currentIndex()) + " is selected");
    }
  }
}

}  // namespace hostfuzz
