// The observation window's settings lists on the Qt host, driven with real
// key and mouse events: only a pick (an item clicked in the open list, the
// arrow keys, the wheel, each stepping by the window layer's rule) runs the
// list's click handler; typed text, Enter, Escape and leaving the list only
// change the text.
#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QWheelEvent>

#include "observe/frm_Kansoku.h"
#include "tests/host/host_test.h"

namespace {

class RecordedPrinter : public ui::RecordingPrinter {
 public:
  explicit RecordedPrinter(std::vector<ui::PrintedPage>& pages) : pages_(pages) {}

 protected:
  void pageEnded(const ui::PrintedPage& page) override { pages_.push_back(page); }

 private:
  std::vector<ui::PrintedPage>& pages_;
};

struct ListHost : HostTest {
  observe::frm_Kansoku w{app};
  std::vector<ui::PrintedPage> pages;

  void SetUp() override {
    HostTest::SetUp();
    app.setPrinterFactory([this] { return std::make_unique<RecordedPrinter>(pages); });
    w.show();
    activate();
  }
  void activate() {
    QWidget* window = host.widget(w);
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window));
  }
  QComboBox* list(const ui::ComboBox& c) { return static_cast<QComboBox*>(host.widget(w)->widgetFor(c)); }
  QPushButton* button(const ui::Button& b) { return static_cast<QPushButton*>(host.widget(w)->widgetFor(b)); }
  // A whole run at the speed shown, ending with 印刷 shown.
  void finishRun() {
    QTest::mouseClick(button(w.Command2), Qt::LeftButton);
    while (w.Timer1.enabled()) w.Timer1.tick();
    ASSERT_TRUE(w.Command5.visible());
  }
  // The pupil's typing arrives at whatever has the keyboard focus.
  static void type(const QString& text) {
    QTest::sendKeyEvent(QTest::Click, static_cast<QWidget*>(nullptr), Qt::Key_unknown, text, Qt::NoModifier);
  }
  static void key(Qt::Key k) { QTest::keyClick(static_cast<QWidget*>(nullptr), k); }
};

TEST_F(ListHost, TypingAnItemThenEnterEscapeOrLeavingTheListPicksNothing) {
  finishRun();
  QComboBox* mag = list(w.mag);
  QTest::mouseClick(mag->lineEdit(), Qt::LeftButton);  // into the text field
  ASSERT_EQ(QApplication::focusWidget(), mag);
  mag->lineEdit()->selectAll();
  type(QStringLiteral("大"));
  EXPECT_EQ(w.mag.text(), "大");  // the program reads the typed text when it next reads the list
  key(Qt::Key_Return);
  key(Qt::Key_Enter);
  key(Qt::Key_Escape);
  EXPECT_TRUE(w.Command5.visible()) << "Enter or Escape ran mag_Click";
  EXPECT_EQ(w.magnitude, 2);
  // Straight from the typed text to 印刷: the list loses the focus, and the
  // run just finished prints with the size it was drawn with.
  QTest::mouseClick(button(w.Command5), Qt::LeftButton);
  EXPECT_NE(QApplication::focusWidget(), mag);
  EXPECT_TRUE(w.Command5.visible()) << "leaving the list ran mag_Click";
  EXPECT_EQ(w.magnitude, 2);
  EXPECT_EQ(pages.size(), 1u);
  EXPECT_EQ(mag->currentText(), QStringLiteral("大"));
  EXPECT_EQ(mag->currentIndex(), 2);  // a typed item is the selected one too
}

// Which item an arrow or the wheel picks is the window layer's rule (its
// own tests hold the cases); here Qt's list must ask it, not step itself.
TEST_F(ListHost, TheArrowsAndTheWheelPickWhatTheWindowLayerSteps) {
  QComboBox* speed = list(w.speed);
  EXPECT_EQ(speed->currentIndex(), 1);  // the shown 中 is the selected item
  finishRun();
  speed->setFocus();
  key(Qt::Key_Up);  // 中 → 速, a pick
  EXPECT_EQ(w.Timer1.interval(), 10);
  EXPECT_FALSE(w.Command5.visible()) << "an arrow pick did not run speed_Click";
  speed->lineEdit()->selectAll();
  type(QStringLiteral("x"));
  ASSERT_EQ(w.speed.text(), "x");
  key(Qt::Key_Down);  // on from 速, not from the list's top
  EXPECT_EQ(w.speed.text(), "中");
  EXPECT_EQ(speed->currentIndex(), w.speed.selected());
  // With no item selected (the list filled anew under typed text that is
  // none of its items) Up picks the last item, where Qt's own stepping
  // would stay put: by key, and by the wheel.
  auto selectNothing = [&] {
    speed->lineEdit()->selectAll();
    type(QStringLiteral("x"));
    w.speed.setItems(w.speed.items());
    QApplication::processEvents();
    ASSERT_EQ(w.speed.selected(), -1);
  };
  selectNothing();
  key(Qt::Key_Up);
  EXPECT_EQ(w.speed.text(), "遅");
  selectNothing();
  QWheelEvent notch(QPointF(10, 10), speed->mapToGlobal(QPointF(10, 10)), QPoint(), QPoint(0, 120),
                    Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
  QApplication::sendEvent(speed, &notch);
  EXPECT_EQ(w.speed.text(), "遅");
  EXPECT_EQ(w.Timer1.interval(), 50);
}

TEST_F(ListHost, TheOpenListHighlightsTheShownItemAndAClickedItemIsPicked) {
  finishRun();
  QComboBox* mag = list(w.mag);
  mag->setFocus();
  key(Qt::Key_F4);  // opens the list
  QAbstractItemView* view = mag->view();
  ASSERT_TRUE(view->isVisible());
  EXPECT_EQ(view->currentIndex().row(), 1);
  const QRect item = view->visualRect(view->model()->index(2, 0));
  QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, item.center());
  EXPECT_FALSE(view->isVisible());
  EXPECT_EQ(w.mag.text(), "大");
  EXPECT_EQ(w.magnitude, 3);
  EXPECT_FALSE(w.Command5.visible()) << "picking 大 did not run mag_Click";
}

}  // namespace
