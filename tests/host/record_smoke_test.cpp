// The Qt host draws the seismograph record as laid out: the trace above the
// strip's fill, marker lines and see-through annotations above the trace,
// and a replay that wipes the drawing; opened and closed from the menu.
#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QPushButton>

#include "app/Module1.h"
#include "record/frm_Kiroku.h"
#include "tests/host/host_test.h"
#include "ui/qt/qt_host.h"

namespace {

constexpr int kTicks = 514;
const QColor kStrip(255, 255, 192);


bool dark(const QColor& c) { return c.value() < 100; }

// Darkest pixel of one pixel column between two heights, all in twips.
QColor darkestInColumn(const QImage& img, float x, float top, float bottom) {
  QColor best = pixelAtTwips(img, x, top);
  for (float y = top + 15; y < bottom; y += 15) {
    const QColor c = pixelAtTwips(img, x, y);
    if (c.value() < best.value()) best = c;
  }
  return best;
}

using RecordHost = HostTest;

TEST_F(RecordHost, TraceLiesBetweenTheStripAndItsMarkers) {
  record::frm_Kiroku w(app);
  w.setRandomSource([] { return 0.0f; });
  w.show();
  for (int k = 0; k < kTicks; ++k) w.Timer1.tick();
  ASSERT_FALSE(w.Timer1.enabled());
  const QImage img = render(w);
  EXPECT_EQ(pixelAtTwips(img, 9000, 1000), kStrip);
  EXPECT_TRUE(dark(pixelAtTwips(img, 900, 1987.5f)));         // the flat start of the trace
  EXPECT_TRUE(dark(darkestInColumn(img, 10900, 855, 3120)));  // and its far end
  // "初期微動" lets the strip show through beside its text.
  EXPECT_EQ(pixelAtTwips(img, 1200 + 900, 2280 + 150), kStrip);
  // The marker line Line1 crosses the trace just below the centre line;
  // where they meet the line's red must win (the trace above it would grey it).
  for (float y = 1950; y < 2040; y += 15) {
    const QColor c = pixelAtTwips(img, 1200, y);
    EXPECT_GT(c.red() - c.green(), 55) << "y " << y << " " << c.name().toStdString();
  }
  EXPECT_EQ(pixelAtTwips(img, 2000, 1320).red(), 255);
  EXPECT_LT(pixelAtTwips(img, 2000, 1320).green(), 200);
}

TEST_F(RecordHost, ReplayWipesTheTraceAndTheMarkers) {
  record::frm_Kiroku w(app);
  w.show();
  for (int k = 0; k < kTicks; ++k) w.Timer1.tick();
  auto* again = qobject_cast<QPushButton*>(host.widget(w)->widgetFor(w.Command2));
  ASSERT_NE(again, nullptr);
  EXPECT_EQ(again->text(), QString::fromUtf8("もう一度"));
  again->click();
  w.Timer1.setEnabled(false);  // hold the new record at its first ticks
  const QImage img = render(w);
  EXPECT_EQ(darkestInColumn(img, 10900, 855, 3120), kStrip);
  EXPECT_EQ(pixelAtTwips(img, 2000, 1320), kStrip);
  EXPECT_TRUE(dark(pixelAtTwips(img, 680, 1987.5f)));  // the first new segment
}

// The menu's "地震計の記録" opens the record over the menu; it draws to the
// end and "閉じる" hands control back to the menu.
TEST_F(RecordHost, OpensFromTheMenuAndClosesBackToIt) {
  app::Module1 module(app);
  module.Main();
  app::frmMain& menu = *module.mainForm();
  qobject_cast<QPushButton*>(host.widget(menu)->widgetFor(menu.Command4))->click();
  record::frm_Kiroku* w = menu.kiroku();
  ASSERT_NE(w, nullptr);
  EXPECT_TRUE(w->loaded());
  EXPECT_FALSE(menu.inputEnabled());
  for (int k = 0; k < kTicks && w->Timer1.enabled(); ++k) w->Timer1.tick();
  EXPECT_EQ(w->penTravel(), 10280);
  EXPECT_TRUE(w->Label7.visible());
  qobject_cast<QPushButton*>(host.widget(*w)->widgetFor(w->Command1))->click();
  EXPECT_FALSE(menu.kiroku()->loaded());
  EXPECT_TRUE(menu.inputEnabled());
}

}  // namespace
