// Muting the windows' QTimers and noting button clicks and list click handlers.
#include "tests/hostfuzz/shown_host.h"

#include <QPushButton>
#include <QTimer>

namespace hostfuzz {

void ShownHost::formLoaded(ui::Form& f) {
  QtHost::formLoaded(f);
  zemlox::qt::FormWidget* w = widget(f);
  if (!w) return;
  for (QTimer* t : w->findChildren<QTimer*>(Qt::FindDirectChildrenOnly)) t->blockSignals(true);
  for (ui::Control* c : f.controls()) {
    if (c->kind() == ui::ControlKind::Button) {
      auto* b = static_cast<ui::Button*>(c);
      if (auto* qb = qobject_cast<QPushButton*>(w->widgetFor(*b)))
        QObject::connect(qb, &QPushButton::clicked, qb, [this, b] { clicked.push_back(b); });
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
