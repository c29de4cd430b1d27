// A finger on the desktop's observation window, by Qt touch events as a
// touch screen sends them: the touches reach the window layer's gestures
// from the right widget in the right twips, a button and a list answer a
// touch beside them, and the mouse events made of a touch do nothing.
// Where gestures carry and put down is the window layer's own test.
#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QMouseEvent>
#include <QTest>

#include "observe/frm_Kansoku.h"
#include "tests/host/host_test.h"

namespace {

struct TouchHost : HostTest {
  observe::frm_Kansoku w{app};
  QPointingDevice* screen = QTest::createTouchDevice(QInputDevice::DeviceType::TouchScreen);
  void SetUp() override {
    HostTest::SetUp();
    w.show();
    QApplication::processEvents();
  }
  QWidget& window() { return *host.widget(w); }
  double twipsPerPx() { return 15 / host.widget(w)->zoom(); }
  QPoint at(double x, double y) { return QPoint(static_cast<int>(x / twipsPerPx()), static_cast<int>(y / twipsPerPx())); }
  void tap(QWidget* on, QPoint p) {
    QTest::touchEvent(on, screen).press(0, p);
    QTest::touchEvent(on, screen).release(0, p);
  }
};

TEST_F(TouchHost, DragCarriesAStationAndTheMouseEventsOfATapDoNothing) {
  ui::Label& b = w.nobj[1];
  QWidget* plan = host.widget(w)->widgetFor(w.map1);
  const QPoint from = at(b.left() + b.width() / 2, b.top() + b.height() / 2), to = at(2500, 2300);
  QTest::touchEvent(plan, screen).press(0, from);
  for (int k = 1; k <= 4; ++k) QTest::touchEvent(plan, screen).move(0, from + (to - from) * k / 4);
  EXPECT_EQ(w.stationMoving, "yes");
  QTest::touchEvent(plan, screen).release(0, to);
  EXPECT_EQ(w.stationMoving, "no");
  EXPECT_NEAR(b.left(), to.x() * twipsPerPx() - 50, 1);  // the corner 50 twips up and left of the finger
  EXPECT_NEAR(b.top(), to.y() * twipsPerPx() - 50, 1);

  // Ten pixels left of station A's label picks it up; the same tap's mouse
  // events from the touch screen neither put it down nor move it.
  ui::Label& a = w.nobj[0];
  const QPoint beside = at(a.left() - 10 * twipsPerPx(), a.top() + a.height() / 2);
  tap(plan, beside);
  ASSERT_EQ(w.movingIndex, 0);
  ASSERT_EQ(w.stationMoving, "yes");
  const float left = a.left();
  for (QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseMove, QEvent::MouseButtonRelease}) {
    const QPointF p = beside + QPoint(40, 40);
    QMouseEvent echo(type, p, plan->mapToGlobal(p), type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton,
                     type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton, Qt::NoModifier, screen);
    QApplication::sendEvent(plan, &echo);
  }
  EXPECT_EQ(w.stationMoving, "yes");
  EXPECT_FLOAT_EQ(a.left(), left);
}

TEST_F(TouchHost, AButtonAndAListAnswerATouchFivePixelsAwayOnTheWindow) {
  tap(&window(), at(w.Command2.left() + 100, w.Command2.top() + w.Command2.height() + 5 * twipsPerPx()));
  EXPECT_TRUE(w.Timer1.enabled());  // 地震発生
  auto* list = qobject_cast<QComboBox*>(host.widget(w)->widgetFor(w.mag));
  ASSERT_NE(list, nullptr);
  tap(&window(), at(w.mag.left() + 100, w.mag.top() - 5 * twipsPerPx()));
  EXPECT_TRUE(list->view()->isVisible());
  list->hidePopup();
}

}  // namespace
