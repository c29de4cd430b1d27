// The Qt host draws an observation run as laid out: rings in the views
// while it lasts, only background, grid and markers once it is over, and
// the five seismograms kept in the record area.
#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>

#include "observe/frm_Kansoku.h"
#include "tests/host/host_test.h"
#include "ui/qt/qt_host.h"

namespace {

// Views and record area in window twips.
constexpr QRectF kPlan(120, 1080, 6135, 3615);
constexpr QRectF kSection(120, 4680, 6135, 1815);
constexpr QRectF kRecord(6360, 120, 4575, 7695);

QColor at(const QImage& img, double x, double y) { return pixelAtTwips(img, x, y); }

// Counts pixels of an area (inset by a pixel to skip its border) that pass a test.
template <class Pred>
int count(const QImage& img, const QRectF& area, Pred pred) {
  int n = 0;
  for (double y = area.top() + 30; y < area.bottom() - 30; y += 15)
    for (double x = area.left() + 30; x < area.right() - 30; x += 15) n += pred(at(img, x, y));
  return n;
}

// Pixels of an area that differ between two renderings of the window.
int changed(const QImage& a, const QImage& b, const QRectF& area) {
  int n = 0;
  for (double y = area.top(); y < area.bottom(); y += 15)
    for (double x = area.left(); x < area.right(); x += 15) n += at(a, x, y) != at(b, x, y);
  return n;
}

// The P-front colour, light magenta, which nothing else in the views uses.
bool magenta(const QColor& c) { return c.red() > 200 && c.blue() > 200 && c.green() < 150; }

// The trace colour, dark blue, also where antialiasing lightens it.
bool traceColoured(const QColor& c) { return c.blue() - c.red() > 60 && c.blue() - c.green() > 60; }

struct ObserveHost : HostTest {
  observe::frm_Kansoku w{app};
  void SetUp() override {
    HostTest::SetUp();
    w.show();
  }
  QImage render() { return HostTest::render(w); }
  void ticks(int n) {
    for (int k = 0; k < n && w.Timer1.enabled(); ++k) w.Timer1.tick();
  }
};

TEST_F(ObserveHost, RingsShowDuringTheRunAndLeaveOnlyTheViewsAfterIt) {
  const QImage before = render();
  EXPECT_EQ(count(before, kRecord, traceColoured), 0);
  w.Command2_Click();
  w.Timer1.setEnabled(true);
  ticks(100);  // S = 2000: both rings cross both views
  const QImage mid = render();
  EXPECT_GT(count(mid, kPlan, magenta), 50);
  EXPECT_GT(count(mid, kSection, magenta), 50);
  ticks(1000);
  ASSERT_FALSE(w.Timer1.enabled());
  const QImage end = render();
  // Background, grid and markers are what is left: the views as they opened.
  EXPECT_EQ(changed(before, end, kPlan), 0);
  EXPECT_EQ(changed(before, end, kSection), 0);
  EXPECT_EQ(at(end, 120 + 3300, 1080 + 900), QColor(255, 255, 192));
  EXPECT_EQ(at(end, 120 + 3300, 4680 + 900), QColor(255, 255, 128));
  const QColor marker = at(end, 120 + 1087.5, 1080 + 3027.5);
  EXPECT_EQ(marker, QColor(192, 192, 255));
  // Every station's trace is kept, right of the distance axis up to x 4330.
  for (int i = 0; i < 5; ++i) {
    const QRectF band(kRecord.left() + 300, kRecord.top() + 7560 - w.epiDist[i] - 120, 4000, 240);
    EXPECT_GT(count(end, band, traceColoured), 100) << "station " << i;
  }
  const QRectF beyond(kRecord.left() + 4360, kRecord.top() + 200, 200, 7300);
  EXPECT_EQ(count(end, beyond, traceColoured), 0);
}

TEST_F(ObserveHost, PickingUpAfterARunWipesTheRingsButKeepsTheRecord) {
  const QImage before = render();
  w.Command2_Click();
  w.Timer1.setEnabled(true);
  ticks(100);
  w.Command3_Click();
  w.nobj_Click(0);
  const QImage img = render();
  EXPECT_EQ(changed(before, img, kSection), 0);
  EXPECT_EQ(count(img, kPlan, magenta), 0);
  // Only the carried marker looks different in the plan view.
  EXPECT_LT(changed(before, img, kPlan), 90);
  EXPECT_GT(count(img, kRecord, traceColoured), 100);
  EXPECT_EQ(at(img, 120 + 1087.5, 1080 + 3027.5), QColor(255, 255, 255));  // carried: white
}

}  // namespace
