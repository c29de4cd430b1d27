// The Qt host's menu: its picture is the size the window gives it, its
// buttons are real ones in the frame, reached by Tab in the menu's order with
// the window layer's focus ring; closing, minimising and unloading mid-tick.
#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QPushButton>
#include <QTest>

#include "app/Module1.h"
#include "ui/focus_ring.h"
#include "tests/host/host_test.h"
#include "ui/qt/qt_host.h"
#include "waves/frm_Pwave.h"

namespace {

using Host = HostTest;

TEST_F(Host, MenuHasItsPictureAndRealButtons) {
  app::Module1 module(app);
  module.Main();
  app::frmMain& menu = *module.mainForm();
  QImage img = render(menu);
  ASSERT_EQ(img.width(), static_cast<int>(433 * img.devicePixelRatio()));
  // The picture is scaled from the size the window gives it: the file's.
  EXPECT_EQ(QImage(QString::fromStdString(menu.Picture1.picture())).size(),
            QSize(menu.Picture1.pictureWidth(), menu.Picture1.pictureHeight()));
  auto* record = qobject_cast<QPushButton*>(host.widget(menu)->widgetFor(menu.Command4));
  ASSERT_NE(record, nullptr);
  EXPECT_EQ(record->text(), QString::fromUtf8("地震計の記録"));
  EXPECT_EQ(record->geometry(), QRect(16, 24, 153, 25));  // inside the frame, in pixels
  app.form(0).unload();
}

TEST_F(Host, KeyboardStartsOnTheRecordButtonAndTabsThroughTheMenuInOrder) {
  app::Module1 module(app);
  module.Main();
  app::frmMain& menu = *module.mainForm();
  zemlox::qt::FormWidget* w = host.widget(menu);
  QWidget* record = w->widgetFor(menu.Command4);
  EXPECT_EQ(w->focusWidget(), record);
  EXPECT_EQ(record->nextInFocusChain(), w->widgetFor(menu.Command2));
  EXPECT_EQ(w->widgetFor(menu.Command5)->nextInFocusChain(), w->widgetFor(menu.Command9));

  // Tabbed to, a button shows the window layer's ring, and its edge is an
  // unfocused button's: the style draws no focus of its own.
  QTest::keyClick(record, Qt::Key_Tab);
  QWidget* next = w->widgetFor(menu.Command2);
  ASSERT_EQ(w->focusWidget(), next);
  const QImage img = render(menu);
  const qreal dpr = img.devicePixelRatio();
  const QPoint corner = next->mapTo(w, QPoint(0, 0)) * dpr, other = record->mapTo(w, QPoint(0, 0)) * dpr;
  ui::PaintList ring;
  ui::paintFocusRing(ring, ui::ControlKind::Button, {0, 0, int(next->width() * dpr), int(next->height() * dpr)},
                     ui::PixelGrid{w->zoom() * dpr});
  ASSERT_FALSE(ring.items().empty());
  for (const ui::PaintItem& dot : ring.items())
    EXPECT_EQ(img.pixelColor(corner + QPoint(dot.rect.x, dot.rect.y)), QColor(Qt::black));
  for (const QPoint edge : {QPoint(0, next->height() / 2), QPoint(1, next->height() / 2)})
    EXPECT_EQ(img.pixelColor(corner + edge * dpr), img.pixelColor(other + edge * dpr));
  app.form(0).unload();
}

TEST_F(Host, CloseBoxUnloadsTheWindow) {
  waves::frm_Pwave w(app);
  w.show();
  host.widget(w)->close();
  EXPECT_FALSE(w.loaded());
  EXPECT_EQ(host.widget(w), nullptr);
}

// The host says when no window can be seen; the clock does the rest.
TEST_F(Host, AMinimisedProgramStopsTheClockUntilRestored) {
  waves::frm_Pwave w(app);
  w.show();
  QApplication::processEvents();
  EXPECT_TRUE(app.clock().shown());
  host.widget(w)->showMinimized();
  QApplication::processEvents();
  EXPECT_FALSE(app.clock().shown());
  host.widget(w)->showNormal();
  QApplication::processEvents();
  EXPECT_TRUE(app.clock().shown());
}

TEST_F(Host, UnloadingDuringATickLeavesNoWidgetBehind) {
  waves::frm_Pwave w(app);
  w.show();
  EXPECT_NE(host.widget(w), nullptr);
  w.Command1_Click();
  EXPECT_EQ(host.widget(w), nullptr);
  w.Timer1.tick();
  QApplication::processEvents();
  w.show();
  EXPECT_EQ(w.Shape2[0].left(), 360);
  EXPECT_NE(host.widget(w), nullptr);
}

}  // namespace
