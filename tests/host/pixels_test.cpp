// What only the Qt host does with pixels, at 100 % and 200 % zoom (and again
// under QT_SCALE_FACTOR=2): repaints piece by piece leave nothing stale and
// cut no glyph, bold carries more ink, glyphs stay on their lines, and the
// zoom keys work on any window. The pixels the window layer decides are the
// image host's tests' and the parity test's.
#include <gtest/gtest.h>

#include <QApplication>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QScreen>
#include <QThread>
#include <cmath>

#include "app/Module1.h"
#include "observe/frm_Kansoku.h"
#include "tests/host/host_test.h"
#include "ui/qt/logical_pixels.h"
#include "waves/frm_Wave2.h"

namespace {

using zemlox::qt::PixelGrid;

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
};

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

// A window repainted tile by tile, each tile a partial update of Qt's own,
// shows what one whole repaint shows, glyphs included: the menu's large bold
// title is cut by many tiles' edges.
TEST_P(Pixels, GlyphsRepaintedTileByTileAreWhole) {
  app::Module1 module(app);
  module.Main();
  app::frmMain& menu = *module.mainForm();
  zoomTo(menu);
  QWidget* w = host.widget(menu);
  const QImage whole = render(menu).convertToFormat(QImage::Format_RGB32);
  QImage tiled(whole.size(), QImage::Format_RGB32);
  tiled.setDevicePixelRatio(whole.devicePixelRatio());
  tiled.fill(Qt::magenta);
  const int tw = 37, th = 5;
  for (int y = 0; y < w->height(); y += th)
    for (int x = 0; x < w->width(); x += tw) w->render(&tiled, QPoint(x, y), QRegion(x, y, tw, th));
  int differ = 0;
  for (int y = 0; y < whole.height(); ++y)
    for (int x = 0; x < whole.width(); ++x) differ += whole.pixel(x, y) != tiled.pixel(x, y);
  EXPECT_EQ(differ, 0) << "of " << whole.width() * whole.height();
  app.form(0).unload();
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

// Glyphs go on the lines the window layer broke, nowhere else: the
// hypocentre's name 「　震源」 is one line, none of its ink under it.
TEST_P(Pixels, TextStaysOnTheLinesTheWindowLayerBroke) {
  observe::frm_Kansoku w(app);
  w.show();
  zoomTo(w);
  const QImage img = render(w);
  const QRect view = host.widget(w)->widgetFor(w.map2)->geometry();
  const qreal dpr = img.devicePixelRatio();
  const QRect label = zemlox::qt::toQRect(grid(img).rect(w.nfoc.bounds()))
                          .translated(static_cast<int>(view.x() * dpr), static_cast<int>(view.y() * dpr));
  // Below the first line of 8.25 pt text (11 px at 100 %) the label is bare.
  const int firstLine = static_cast<int>(std::ceil(11 * 1.25 * GetParam() * dpr));
  int below = 0, above = 0;
  for (int y = label.top(); y <= label.bottom(); ++y)
    for (int x = label.left(); x <= label.right(); ++x) {
      // The text's dark red, not the grid dots under the transparent label.
      const QColor c = img.pixelColor(x, y);
      (y >= label.top() + firstLine ? below : above) += c.red() >= 150 && c.red() <= 210 && c.green() < 60 && c.blue() < 60;
    }
  EXPECT_GT(above, 0);
  EXPECT_EQ(below, 0);
}

INSTANTIATE_TEST_SUITE_P(Zoom, Pixels, ::testing::Values(1.0, 2.0),
                         [](const auto& p) { return p.param == 1.0 ? "at100" : "at200"; });

}  // namespace
