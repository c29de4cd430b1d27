// The Qt host's keyboard and accessibility: Tab in every window reaches
// every shown button in the window layer's order, the markers included; keys
// on a focused marker carry it; the accessible tree of the observation
// window names every label, marker and view.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QTest>
#include <QKeyEvent>
#include <functional>
#include <map>
#include <memory>
#include <set>

#include "app/frmMain.h"
#include "observe/frm_Kansoku.h"
#include "record/frm_Kiroku.h"
#include "tests/host/host_test.h"
#include "ui/qt/access_layer.h"
#include "waves/frm_Pwave.h"
#include "waves/frm_Swave.h"
#include "waves/frm_Wave.h"
#include "waves/frm_Wave2.h"

namespace {

using zemlox::qt::FormWidget;

void key(QWidget* w, int k, Qt::KeyboardModifiers m = Qt::NoModifier) {
  QKeyEvent press(QEvent::KeyPress, k, m);
  QApplication::sendEvent(w, &press);
  QApplication::processEvents();
}

// The window layer's control behind a Qt widget: a built widget, the widget
// holding the focus for it (an editable list's line), or a painted item.
const ui::Control* controlOf(const FormWidget& fw, QWidget* w) {
  for (; w && w != &fw; w = w->parentWidget()) {
    if (auto* item = dynamic_cast<zemlox::qt::PaintedItem*>(w)) return item->label();
    for (const ui::Control* c : fw.form()->controls())
      if (fw.widgetFor(*c) == w) return c;
  }
  return nullptr;
}

struct Keys : HostTest {
  // Presses Tab round the window once, from the control focused at opening.
  std::vector<const ui::Control*> tabRound(ui::Form& f) {
    FormWidget& fw = *host.widget(f);
    fw.activateWindow();
    QApplication::processEvents();
    std::vector<const ui::Control*> seen;
    for (int n = 0; n < 40; ++n) {
      const ui::Control* c = controlOf(fw, QApplication::focusWidget());
      if (!c || (!seen.empty() && c == seen.front())) break;
      seen.push_back(c);
      key(QApplication::focusWidget(), Qt::Key_Tab);
    }
    return seen;
  }
  // The same round as the window layer decides it.
  static std::vector<const ui::Control*> expectedRound(ui::Form& f) {
    std::vector<const ui::Control*> order;
    ui::Keyboard& keys = f.keyboard();
    keys.setFocus(nullptr);
    for (const ui::Control* first = keys.focused(); order.empty() || keys.focused() != first;) {
      order.push_back(keys.focused());
      keys.press(ui::Key::Tab);
    }
    return order;
  }
};

TEST_F(Keys, TabReachesEveryShownButtonOfEveryWindowInTheLayersOrder) {
  using Make = std::function<std::unique_ptr<ui::Form>(ui::Application&)>;
  const std::vector<Make> windows = {
      [](ui::Application& a) { return std::make_unique<app::frmMain>(a); },
      [](ui::Application& a) { return std::make_unique<waves::frm_Pwave>(a); },
      [](ui::Application& a) { return std::make_unique<waves::frm_Swave>(a); },
      [](ui::Application& a) { return std::make_unique<waves::frm_Wave>(a); },
      [](ui::Application& a) { return std::make_unique<waves::frm_Wave2>(a); },
      [](ui::Application& a) { return std::make_unique<record::frm_Kiroku>(a); },
      [](ui::Application& a) { return std::make_unique<observe::frm_Kansoku>(a); }};
  for (const Make& make : windows) {
    std::unique_ptr<ui::Form> f = make(app);
    f->show();
    const std::vector<const ui::Control*> round = tabRound(*f);
    SCOPED_TRACE(f->style().caption);
    EXPECT_EQ(round, expectedRound(*f));
    for (const ui::Control* c : f->controls()) {
      if (c->kind() != ui::ControlKind::Button || !f->keyboard().focusable(*c)) continue;
      EXPECT_NE(std::find(round.begin(), round.end(), c), round.end()) << c->name();
    }
    f->unload();
  }
}

TEST_F(Keys, AFocusedButtonHidingItselfHandsTheFocusOnAsTheWindowLayerDecides) {
  observe::frm_Kansoku w(app);
  w.show();
  FormWidget& fw = *host.widget(w);
  fw.activateWindow();
  QApplication::processEvents();
  EXPECT_EQ(controlOf(fw, fw.focusWidget()), w.keyboard().first());
  w.Command2.click();
  w.Command3.click();  // paused: 再スタート shown
  QApplication::processEvents();
  QWidget* restart = fw.widgetFor(w.Command4);
  restart->setFocus(Qt::TabFocusReason);
  QTest::keyClick(restart, Qt::Key_Space);
  QApplication::processEvents();
  ASSERT_FALSE(w.Command4.visible());
  EXPECT_EQ(controlOf(fw, fw.focusWidget()), &w.Command1);
  EXPECT_EQ(w.keyboard().after(w.Command4), &w.Command1);
  w.unload();
}

TEST_F(Keys, MarkersCarriedByKeysAndNamedInTheAccessibleTree) {
  observe::frm_Kansoku w(app);
  w.show();
  FormWidget& fw = *host.widget(w);
  fw.activateWindow();
  QApplication::processEvents();
  QWidget* b = fw.access()->itemFor(w.nobj[1]);
  ASSERT_NE(b, nullptr);
  b->setFocus(Qt::TabFocusReason);
  key(b, Qt::Key_Space);
  key(b, Qt::Key_Right);
  key(b, Qt::Key_Up, Qt::ShiftModifier);
  EXPECT_FLOAT_EQ(w.nobj[1].left(), 1020 + 600);
  EXPECT_FLOAT_EQ(w.nobj[1].top(), 2350 - 15);
  // The focus rectangle goes with the label.
  EXPECT_EQ(b->geometry().topLeft(), QPoint(108, 156));

  // Every visible node of the tree by name, with its roles (a view and its
  // caption share a name).
  std::map<QString, std::set<QAccessible::Role>> names;
  std::function<void(QAccessibleInterface*)> walk = [&](QAccessibleInterface* node) {
    if (node->state().invisible) return;
    names[node->text(QAccessible::Name)].insert(node->role());
    for (int i = 0; i < node->childCount(); ++i) walk(node->child(i));
  };
  walk(QAccessible::queryAccessibleInterface(&fw));
  for (const ui::Control* c : w.controls()) {
    if (!w.keyboard().focusable(*c) && c->kind() != ui::ControlKind::Label) continue;
    const std::string name = w.keyboard().accessibleName(*c);
    if (name.empty() || !c->visible()) continue;
    EXPECT_TRUE(names.count(QString::fromStdString(name))) << c->name() << ' ' << name;
  }
  for (const ui::PictureBox* view : {&w.map1, &w.map2, &w.kiroku})
    EXPECT_TRUE(names[QString::fromStdString(view->accessibleName())].count(QAccessible::Canvas))
        << view->accessibleName();
  EXPECT_TRUE(names[QString::fromUtf8("B点、持ち上げ中")].count(QAccessible::Button));
  EXPECT_TRUE(names[QString::fromUtf8("震源")].count(QAccessible::Button));
  EXPECT_TRUE(names[QString::fromUtf8("水平面")].count(QAccessible::StaticText));
  EXPECT_TRUE(names[QString::fromUtf8("B点を持ち上げました")].count(QAccessible::Notification));
  // A list is named on the field that takes its focus.
  auto* mag = static_cast<QComboBox*>(fw.widgetFor(w.mag));
  EXPECT_EQ(QAccessible::queryAccessibleInterface(mag->lineEdit())->text(QAccessible::Name),
            QString::fromUtf8("地震の大きさ"));
  w.unload();
}

}  // namespace
