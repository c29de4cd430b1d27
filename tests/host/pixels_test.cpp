// Pixels at 100 % and 200 % zoom (and again under QT_SCALE_FACTOR=2): lines
// are round(scale) device rows or columns of exactly their colour wherever
// they lie, drawings too after a zoom; the separator is grey over white; bold
// carries more ink; the zoom keys work on any window.
#include <gtest/gtest.h>

#include <QApplication>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QScreen>
#include <QThread>
#include <cmath>

#include "app/Module1.h"
#include "observe/frm_Kansoku.h"
#include "record/frm_Kiroku.h"
#include "tests/host/host_test.h"
#include "ui/qt/pixel_grid.h"
#include "waves/frm_Wave2.h"

namespace {

using zemlox::qt::PixelGrid;

const QColor kStrip(255, 255, 192);

void pressZoomKey(QWidget* w, int key) {
  QKeyEvent press(QEvent::KeyPress, key, Qt::ControlModifier);
  QApplication::sendEvent(w, &press);
}

struct Pixels : HostTest, ::testing::WithParamInterface<double> {
  // Shows a window at the zoom under test; the zoom keys reach it from any
  // widget inside it.
  void zoomTo(ui::Form& f, QWidget* target = nullptr) {
    QWidget* w = target ? target : host.widget(f);
    pressZoomKey(w, Qt::Key_0);
    for (int i = 0; i < 6 && host.zoom().factor() < GetParam(); ++i) pressZoomKey(w, Qt::Key_Plus);
    ASSERT_EQ(host.zoom().factor(), GetParam());
  }
  void TearDown() override {
    host.zoomKey(0);
    HostTest::TearDown();
  }
  // Device pixels per layout pixel in `img`.
  PixelGrid grid(const QImage& img) const { return PixelGrid{GetParam() * img.devicePixelRatio()}; }
  int width(const QImage& img) const { return grid(img).lineWidth(1); }
};

QColor at(const QImage& img, int x, int y) { return img.pixelColor(x, y); }

TEST_P(Pixels, MenuSeparatorIsAGreyRowOverAWhiteRow) {
  app::Module1 module(app);
  module.Main();
  app::frmMain& menu = *module.mainForm();
  zoomTo(menu);
  const QImage img = render(menu);
  const PixelGrid g = grid(img);
  const int w = width(img), y = g.linePx(960), x = g.linePx(1500);
  EXPECT_EQ(at(img, x, y - 1), QColor(240, 240, 240));
  for (int k = 0; k < w; ++k) {
    EXPECT_EQ(at(img, x, y + k), QColor(128, 128, 128)) << k;
    EXPECT_EQ(at(img, x, y + w + k), QColor(255, 255, 255)) << k;
  }
  EXPECT_EQ(at(img, x, y + 2 * w), QColor(240, 240, 240));
  // The line ends where the layout ends it.
  EXPECT_EQ(at(img, g.linePx(3240) + w, y), QColor(240, 240, 240));
  EXPECT_EQ(at(img, g.linePx(3240), y), QColor(128, 128, 128));
  app.form(0).unload();
}

TEST_P(Pixels, RecordBracketIsExactlyItsColourInOneColumn) {
  record::frm_Kiroku w(app);
  w.setRandomSource([] { return 0.5f; });
  w.show();
  // Drawn at 100 %, then zoomed: the trace is drawn again at the new scale.
  for (int k = 0; k < 130; ++k) w.Timer1.tick();
  zoomTo(w);
  ASSERT_TRUE(w.Line1.visible());
  const QImage img = render(w);
  const PixelGrid g = grid(img);
  const int wd = width(img);
  const int flat = g.linePx(1987.5f), start = g.linePx(900);
  EXPECT_EQ(at(img, start, flat - 1), kStrip);
  for (int k = 0; k < wd; ++k) EXPECT_EQ(at(img, start, flat + k), QColor(Qt::black)) << k;
  EXPECT_EQ(at(img, start, flat + wd), kStrip);
  const QColor bracket(255, 128, 128);  // 0x008080FF
  // Line1 stands where only the flat start of the trace passes (Line2's
  // column is crossed by the principal motion's first swings).
  for (int x : {1200}) {
    const int col = g.linePx(x);
    for (int y = g.linePx(1500); y < g.linePx(1900); ++y) {
      EXPECT_EQ(at(img, col - 1, y), kStrip) << x << "," << y;
      for (int k = 0; k < wd; ++k) EXPECT_EQ(at(img, col + k, y), bracket) << x << "," << y;
      EXPECT_EQ(at(img, col + wd, y), kStrip) << x << "," << y;
    }
  }
  // The bar between them, one row.
  const int row = g.linePx(1320), mid = g.linePx(2000);
  EXPECT_EQ(at(img, mid, row - 1), kStrip);
  for (int k = 0; k < wd; ++k) EXPECT_EQ(at(img, mid, row + k), bracket);
  EXPECT_EQ(at(img, mid, row + wd), kStrip);
}

TEST_P(Pixels, ObservationAxesAreBlackInOneColumnAndTheBordersCloseTheViews) {
  observe::frm_Kansoku w(app);
  w.show();
  zoomTo(w, host.widget(w)->widgetFor(w.mag));  // from inside a list's text field
  const QImage img = render(w);
  const PixelGrid g = grid(img);
  const int wd = width(img);
  const qreal dpr = img.devicePixelRatio();
  const QRect record = host.widget(w)->widgetFor(w.kiroku)->geometry();
  const QPoint origin(static_cast<int>(record.x() * dpr), static_cast<int>(record.y() * dpr));
  const int col = origin.x() + g.linePx(240);
  // Between the tick marks, the distance axis is black and nothing else.
  for (int k = 0; k < 12; ++k) {
    const int y = origin.y() + g.linePx(7560 - 600 * k - 300);
    EXPECT_EQ(at(img, col - 1, y), QColor(Qt::white)) << k;
    for (int j = 0; j < wd; ++j) EXPECT_EQ(at(img, col + j, y), QColor(Qt::black)) << k;
    EXPECT_EQ(at(img, col + wd, y), QColor(Qt::white)) << k;
  }
  const int row = origin.y() + g.linePx(7560), x = origin.x() + g.linePx(2000);
  for (int j = 0; j < wd; ++j) EXPECT_EQ(at(img, x, row + j), QColor(Qt::black));
  EXPECT_EQ(at(img, x, row - 1), QColor(Qt::white));
  EXPECT_EQ(at(img, x, row + wd), QColor(Qt::white));
  // The sunken border reaches the last device column and row of the box.
  const QRect box(origin, QSize(static_cast<int>(record.width() * dpr), static_cast<int>(record.height() * dpr)));
  EXPECT_EQ(at(img, box.right(), box.center().y()), QColor(Qt::white));
  EXPECT_EQ(at(img, box.center().x(), box.bottom()), QColor(Qt::white));
  EXPECT_EQ(at(img, box.right() + 1, box.center().y()), QColor(240, 240, 240));
}

TEST_P(Pixels, MovingBlockLinesStayOneBlackColumnWherever) {
  waves::frm_Wave2 w(app);
  w.show();
  zoomTo(w);
  int fractional = 0;
  for (int tick = 0; tick < 10; ++tick) {
    w.Timer1.tick();
    const QImage img = render(w);
    const PixelGrid g = grid(img);
    const int wd = width(img);
    for (int i = 0; i < 31; ++i) {
      const ui::Line& l = w.Lz[static_cast<size_t>(i)];
      const double px = l.x1() * g.scale / 15;
      fractional += px != std::floor(px);
      const int col = g.linePx(l.x1()), y = g.linePx((l.y1() + l.y2()) / 2);
      const QColor ink = i == 15 ? QColor(Qt::red) : QColor(Qt::black);
      for (int k = 0; k < wd; ++k) EXPECT_EQ(at(img, col + k, y), ink) << "tick " << tick << " line " << i;
      // Beside it the band, or the window's face where line 0 swings past
      // the band's edge: nothing smeared.
      for (int x : {col - 1, col + wd})
        EXPECT_TRUE(at(img, x, y) == kStrip || at(img, x, y) == QColor(240, 240, 240))
            << "tick " << tick << " line " << i;
    }
  }
  EXPECT_GT(fractional, 100);
}

// What Qt shows after many ticks repainted piece by piece (the screen's copy
// of the window) is what a full repaint of the same state paints.
TEST_P(Pixels, PiecewiseRepaintsLeaveNothingStale) {
  // The offscreen screen's copy of a window is only whole at one device pixel
  // to a pixel; the 200 % zoom covers two.
  if (qApp->devicePixelRatio() != 1) GTEST_SKIP() << "screen copy needs a pixel ratio of 1";
  waves::frm_Wave2 blocks(app);
  blocks.show();
  zoomTo(blocks);
  blocks.Timer1.setEnabled(false);  // only the ticks below
  observe::frm_Kansoku run(app);
  run.show();
  run.Command2_Click();
  run.Timer1.setEnabled(false);
  QApplication::processEvents();
  for (int k = 0; k < 37; ++k) {
    blocks.Timer1_Timer();
    run.Timer1_Timer();
    QCoreApplication::sendPostedEvents();
  }
  // Qt may hold the last repaint back for a few milliseconds.
  for (int k = 0; k < 20; ++k) {
    QApplication::processEvents();
    QThread::msleep(5);
  }
  for (ui::Form* f : {static_cast<ui::Form*>(&blocks), static_cast<ui::Form*>(&run)}) {
    QWidget* w = host.widget(*f);
    const QImage shown = w->screen()->grabWindow(w->winId()).toImage().convertToFormat(QImage::Format_RGB32);
    const QImage full = w->grab().toImage().convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(shown.size(), full.size());
    EXPECT_TRUE(shown == full) << f->style().caption;
  }
}

// Ink of the pixels of a rectangle: how far they lie from the background
// towards the text colour, summed.
double ink(const QImage& img, const QRect& r, const QColor& back) {
  double sum = 0;
  for (int y = r.top(); y <= r.bottom(); ++y)
    for (int x = r.left(); x <= r.right(); ++x) sum += std::abs(back.red() - img.pixelColor(x, y).red());
  return sum;
}

TEST_P(Pixels, BoldTitlesCarryVisiblyMoreInk) {
  app::Module1 module(app);
  module.Main();
  app::frmMain& menu = *module.mainForm();
  zoomTo(menu);
  ui::Label& title = menu.Label1;
  ASSERT_TRUE(title.font().bold);
  QImage img = render(menu);
  const QRect r = zemlox::qt::toQRect(grid(img).rect({title.left(), title.top(), title.width(), title.height()}));
  const double bold = ink(img, r, QColor(240, 240, 240));
  ui::Font regular = title.font();
  regular.bold = false;
  title.setFont(regular);
  img = render(menu);
  const double plain = ink(img, r, QColor(240, 240, 240));
  ASSERT_GT(plain, 0);
  EXPECT_GE(bold / plain, 1.3);
  app.form(0).unload();
}

TEST_P(Pixels, ZoomKeysRelayOutEveryWindowCentredOnItsScreen) {
  app::Module1 module(app);
  module.Main();
  app::frmMain& menu = *module.mainForm();
  observe::frm_Kansoku w(app);
  w.show();
  zoomTo(w);
  const double z = GetParam();
  for (QWidget* win : {static_cast<QWidget*>(host.widget(menu)), static_cast<QWidget*>(host.widget(w))}) {
    const QRect area = win->screen()->availableGeometry();
    EXPECT_LE((win->geometry().center() - area.center()).manhattanLength(), 4)
        << win->geometry().x() << "," << win->geometry().y() << " " << win->width() << "x" << win->height()
        << " in " << area.width() << "x" << area.height();
  }
  EXPECT_EQ(host.widget(menu)->size(), QSize(static_cast<int>(std::lround(433 * z)), static_cast<int>(std::lround(264 * z))));
  EXPECT_EQ(host.widget(w)->widgetFor(w.Command2)->geometry(),
            QRect(QPoint(static_cast<int>(std::lround(200 * z)), static_cast<int>(std::lround(440 * z))),
                  QSize(static_cast<int>(std::lround(65 * z)), static_cast<int>(std::lround(25 * z)))));
  // A click lands on the twips under the pointer at any zoom.
  const QPoint onA(static_cast<int>((120 + 1200 + 60) * z / 15), static_cast<int>((1080 + 3000 + 120) * z / 15));
  QWidget* plan = host.widget(w)->widgetFor(w.map1);
  const QPointF local(onA - plan->pos());
  QMouseEvent press(QEvent::MouseButtonPress, local, plan->mapToGlobal(local), Qt::LeftButton,
                    Qt::LeftButton, Qt::NoModifier);
  QMouseEvent release(QEvent::MouseButtonRelease, local, plan->mapToGlobal(local), Qt::LeftButton,
                      Qt::NoButton, Qt::NoModifier);
  QApplication::sendEvent(plan, &press);
  QApplication::sendEvent(plan, &release);
  EXPECT_EQ(w.stationMoving, "yes");
  // Ctrl+- steps back, Ctrl+0 returns to 100 %, and the ends hold.
  pressZoomKey(host.widget(w), Qt::Key_Minus);
  EXPECT_LT(host.zoom().factor(), std::max(z, 1.25));
  pressZoomKey(host.widget(menu), Qt::Key_0);
  EXPECT_EQ(host.widget(menu)->width(), 433);
  for (int i = 0; i < 9; ++i) pressZoomKey(host.widget(w), Qt::Key_Equal);
  EXPECT_EQ(host.zoom().factor(), 3.0);
  app.form(0).unload();
}

INSTANTIATE_TEST_SUITE_P(Zoom, Pixels, ::testing::Values(1.0, 2.0),
                         [](const auto& p) { return p.param == 1.0 ? "at100" : "at200"; });

}  // namespace
