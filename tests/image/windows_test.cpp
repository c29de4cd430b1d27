// Every window through the image host at every zoom step: after an
// observation run no ring pixel is left in either view, mid-run both rings
// show; the views' sunken edges have both rings; the menu's separator is
// exact; the record's drawings lie
// between its shapes and its lines; block lines stay one column of their
// colour as they move; and every label shows each of its lines.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <map>
#include <memory>

#include "app/Module1.h"
#include "tests/lesson_windows.h"
#include "observe/colours.h"
#include "observe/frm_Kansoku.h"
#include "record/frm_Kiroku.h"
#include "tests/image/image_host.h"
#include "waves/frm_Pwave.h"
#include "waves/frm_Swave.h"
#include "waves/frm_Wave.h"
#include "waves/frm_Wave2.h"

using image_test::countPixels;
using image_test::ImageHost;

namespace {

// The device pixel a line through a position in twips is drawn on (x 1200
// and x 1207.5 are both pixel 80 at 100 %); the nudge keeps a position a
// rounding error short of an edge on it.
int linePx(const ui::PixelGrid& g, double twips) { return static_cast<int>(std::floor(g.dev(twips) + 1e-6)); }

struct Zoom : ::testing::TestWithParam<double> {
  ui::Application app;
  ui::PixelGrid grid() const { return ui::PixelGrid{GetParam()}; }
};

INSTANTIATE_TEST_SUITE_P(EveryStep, Zoom, ::testing::Values(1.0, 1.25, 1.5, 2.0, 2.5, 3.0));

const ui::Color kP = ui::paletteColor(observe::kPFrontColour), kS = ui::paletteColor(observe::kSFrontColour);

}  // namespace

TEST_P(Zoom, ObservationRunLeavesNoRingInEitherView) {
  observe::frm_Kansoku w(app);
  w.show();
  ImageHost host(w);
  // The station markers share the S ring's blue: rings are what is added.
  std::map<const ui::PictureBox*, std::pair<int, int>> before;
  const ui::PixelBuffer& quiet = host.render(GetParam());
  for (const ui::PictureBox* view : {&w.map1, &w.map2})
    before[view] = {countPixels(quiet, host.placeOf(*view), kP), countPixels(quiet, host.placeOf(*view), kS)};
  // Drawn at this zoom from the start, and drawn at 100 % then zoomed.
  for (bool zoomedAfter : {false, true}) {
    host.render(zoomedAfter ? 1.0 : GetParam());
    w.Command2.click();
    // Both rings show in the section early on, on the map once they reach the surface.
    for (auto [view, ticks] : {std::pair{&w.map2, 40}, std::pair{&w.map1, 110}}) {
      for (int k = 0; k < ticks; ++k) w.Timer1.tick();
      const ui::PixelBuffer& mid = host.render(GetParam());
      const ui::PxRect r = host.placeOf(*view);
      EXPECT_GT(countPixels(mid, r, kP), before[view].first) << view->name();
      EXPECT_GT(countPixels(mid, r, kS), before[view].second) << view->name();
    }
    while (w.Timer1.enabled()) w.Timer1.tick();
    const ui::PixelBuffer& after = host.render(GetParam());
    for (const ui::PictureBox* view : {&w.map1, &w.map2}) {
      const ui::PxRect r = host.placeOf(*view);
      EXPECT_EQ(countPixels(after, r, kP), before[view].first) << view->name() << " zoomed after " << zoomedAfter;
      EXPECT_EQ(countPixels(after, r, kS), before[view].second) << view->name() << " zoomed after " << zoomedAfter;
    }
  }
}

TEST_P(Zoom, ViewEdgesAreTwoSunkenRings) {
  observe::frm_Kansoku w(app);
  w.show();
  ImageHost host(w);
  const ui::PixelBuffer& img = host.render(GetParam());
  const int t = grid().lineWidth(1);
  for (const ui::PictureBox* view : {&w.map1, &w.map2, &w.kiroku}) {
    const ui::PxRect r = host.placeOf(*view);
    const int midX = r.x + r.w / 2, midY = r.y + r.h / 2;
    for (int k = 0; k < t; ++k) {
      EXPECT_EQ(ui::colorOf(img.at(midX, r.y + k)), 0xA0A0A0u) << view->name();
      EXPECT_EQ(ui::colorOf(img.at(midX, r.y + t + k)), 0x696969u) << view->name();
      EXPECT_EQ(ui::colorOf(img.at(r.right() - 1 - k, midY)), 0xFFFFFFu) << view->name();
      EXPECT_EQ(ui::colorOf(img.at(r.right() - 1 - t - k, midY)), 0xE3E3E3u) << view->name();
      EXPECT_EQ(ui::colorOf(img.at(midX, r.bottom() - 1 - t - k)), 0xE3E3E3u) << view->name();
    }
  }
}

TEST_P(Zoom, MenuSeparatorIsAGreyRowOverAWhiteRowEndingWhereTheLayoutEndsIt) {
  app::Module1 module(app);
  module.Main();
  ImageHost host(*module.mainForm());
  const ui::PixelBuffer& img = host.render(GetParam());
  const ui::PixelGrid g = grid();
  const int t = g.lineWidth(1), y = linePx(g, 960), x = linePx(g, 1500), end = linePx(g, 3240);
  const ui::Color face = ui::resolve(ui::sys::ButtonFace);
  EXPECT_EQ(ui::colorOf(img.at(x, y - 1)), face);
  for (int k = 0; k < t; ++k) {
    EXPECT_EQ(ui::colorOf(img.at(x, y + k)), 0x808080u) << k;
    EXPECT_EQ(ui::colorOf(img.at(x, y + t + k)), 0xFFFFFFu) << k;
    EXPECT_EQ(ui::colorOf(img.at(end + k, y)), 0x808080u) << k;
  }
  EXPECT_EQ(ui::colorOf(img.at(x, y + 2 * t)), face);
  EXPECT_EQ(ui::colorOf(img.at(end + t, y)), face);
  app.form(0).unload();
}

// Particles in their colours on the pale yellow bands, labels see-through
// over them, and the menu's picture inside its sunken edge.
TEST_P(Zoom, ParticleRowsLieOnTheirBandsUnderSeeThroughLabels) {
  const ui::PixelGrid g = grid();
  auto at = [&](const ui::PixelBuffer& img, float x, float y) { return ui::colorOf(img.at(linePx(g, x), linePx(g, y))); };
  auto centre = [&](const ui::PixelBuffer& img, const ui::Shape& s) {
    return at(img, s.left() + s.width() / 2, s.top() + s.height() / 2);
  };
  const ui::Color band = 0xC0FFFF, pink = 0xC0C0FF, lightBlue = 0xFFC0C0;
  waves::frm_Pwave p(app);
  waves::frm_Swave s(app);
  for (auto [f, shapes] : {std::pair<ui::Form*, ui::Shape*>{&p, p.Shape2.data()}, {&s, s.Shape2.data()}}) {
    f->show();
    ImageHost host(*f);
    f->timers().front()->tick();
    const ui::PixelBuffer& img = host.render(GetParam());
    EXPECT_EQ(at(img, 9000, 1000), band) << f->style().caption;
    EXPECT_EQ(centre(img, shapes[15]), pink) << f->style().caption;
    EXPECT_EQ(centre(img, shapes[3]), lightBlue) << f->style().caption;
    f->unload();
  }
  waves::frm_Wave w(app);
  w.show();
  {
    ImageHost host(w);
    w.Timer1.tick();
    const ui::PixelBuffer& img = host.render(GetParam());
    EXPECT_EQ(at(img, 9000, 3450), band);
    EXPECT_EQ(at(img, 1500, 3480 + 350), band);  // inside the label of "横波(Ｓ波)"
    EXPECT_EQ(centre(img, w.Shape2[46]), pink);
    EXPECT_EQ(centre(img, w.Shape2[40]), lightBlue);
  }
  w.unload();
  app::Module1 module(app);
  module.Main();
  ImageHost host(*module.mainForm());
  EXPECT_EQ(at(host.render(GetParam()), 600 + 45, 1200 + 45), 0xC4FBFBu);  // the picture's own background
  app.form(0).unload();
}

TEST_P(Zoom, RecordDrawingsLieAboveItsShapeAndUnderItsLines) {
  record::frm_Kiroku w(app);
  w.setRandomSource([] { return 0.5f; });
  w.show();
  ImageHost host(w);
  host.render(GetParam());
  for (int k = 0; k < 130; ++k) w.Timer1.tick();
  const ui::PixelBuffer& img = host.render(GetParam());
  const ui::PixelGrid g = grid();
  const int t = g.lineWidth(1);
  const ui::Color strip = 0xC0FFFF;
  // The flat start of the trace: black over the strip, round(zoom) rows.
  const int flat = linePx(g, 1987.5f), start = linePx(g, 900);
  EXPECT_EQ(ui::colorOf(img.at(start, flat - 1)), strip);
  for (int k = 0; k < t; ++k) EXPECT_EQ(ui::colorOf(img.at(start, flat + k)), 0u);
  EXPECT_EQ(ui::colorOf(img.at(start, flat + t)), strip);
  // Line1's bracket crosses the trace and shows over it; above the trace it
  // is one column of its colour, and the bar between the brackets one row.
  ASSERT_TRUE(w.Line1.visible());
  const int col = linePx(g, w.Line1.x1()), row = linePx(g, 1320), mid = linePx(g, 2000);
  for (int k = 0; k < t; ++k) EXPECT_EQ(ui::colorOf(img.at(col + k, flat)), 0x8080FFu) << k;
  for (int y = linePx(g, 1500); y < linePx(g, 1900); ++y) {
    EXPECT_EQ(ui::colorOf(img.at(col - 1, y)), strip) << y;
    for (int k = 0; k < t; ++k) EXPECT_EQ(ui::colorOf(img.at(col + k, y)), 0x8080FFu) << y;
    EXPECT_EQ(ui::colorOf(img.at(col + t, y)), strip) << y;
  }
  EXPECT_EQ(ui::colorOf(img.at(mid, row - 1)), strip);
  for (int k = 0; k < t; ++k) EXPECT_EQ(ui::colorOf(img.at(mid, row + k)), 0x8080FFu) << k;
  EXPECT_EQ(ui::colorOf(img.at(mid, row + t)), strip);
}

TEST_P(Zoom, ObservationAxesAreBlackInOneColumnAndOneRow) {
  observe::frm_Kansoku w(app);
  w.show();
  ImageHost host(w);
  const ui::PixelBuffer& img = host.render(GetParam());
  const ui::PixelGrid g = grid();
  const int t = g.lineWidth(1);
  const ui::PxRect record = host.placeOf(w.kiroku);
  const int col = record.x + linePx(g, 240), row = record.y + linePx(g, 7560), x = record.x + linePx(g, 2000);
  // Between the tick marks, the distance axis is black and nothing else.
  for (int k = 0; k < 12; ++k) {
    const int y = record.y + linePx(g, 7560 - 600 * k - 300);
    EXPECT_EQ(ui::colorOf(img.at(col - 1, y)), 0xFFFFFFu) << k;
    for (int j = 0; j < t; ++j) EXPECT_EQ(ui::colorOf(img.at(col + j, y)), 0u) << k;
    EXPECT_EQ(ui::colorOf(img.at(col + t, y)), 0xFFFFFFu) << k;
  }
  EXPECT_EQ(ui::colorOf(img.at(x, row - 1)), 0xFFFFFFu);
  for (int j = 0; j < t; ++j) EXPECT_EQ(ui::colorOf(img.at(x, row + j)), 0u);
  EXPECT_EQ(ui::colorOf(img.at(x, row + t)), 0xFFFFFFu);
}

TEST_P(Zoom, MovingBlockLinesStayOneColumnOfTheirColour) {
  waves::frm_Wave2 w(app);
  w.show();
  ImageHost host(w);
  const ui::PixelGrid g = grid();
  const int t = g.lineWidth(1);
  const ui::Color face = ui::resolve(ui::sys::ButtonFace);
  for (int tick = 0; tick < 8; ++tick) {
    w.Timer1.tick();
    const ui::PixelBuffer& img = host.render(GetParam());
    for (size_t i = 0; i < 31; ++i) {
      const ui::Line& l = w.Lz[i];
      const int col = linePx(g, l.x1()), y = linePx(g, (l.y1() + l.y2()) / 2);
      const ui::Color ink = i == 15 ? 0x0000FFu : 0u;
      for (int k = 0; k < t; ++k) EXPECT_EQ(ui::colorOf(img.at(col + k, y)), ink) << "tick " << tick << " line " << i;
      // Beside it the band, or the window's face where line 0 swings past
      // the band's edge: nothing smeared.
      for (int x : {col - 1, col + t}) {
        const ui::Color c = ui::colorOf(img.at(x, y));
        EXPECT_TRUE(c == 0xC0FFFFu || c == face) << "tick " << tick << " line " << i;
      }
    }
  }
}

// Lines are broken at the layout's own size, so what holds at one zoom holds
// at all: each label of every window shows every line it is broken into,
// and the hypocentre's name stands on one line.
TEST(Labels, EveryLabelShowsEachOfItsLines) {
  ui::Application app;
  app::Module1 module(app);
  module.Main();
  const auto windows = lessons::every(app);
  int hypocentres = 0;
  auto check = [&](ui::Form& f) {
    ImageHost host(f);
    host.render(1.0);
    for (const ui::TextRun& run : host.texts()) {
      // A line after the first stands on its baseline inside the label.
      const int lastBaseline = run.baseline + static_cast<int>(run.lines.size() - 1) * run.lineStep;
      if (run.lines.size() > 1) {
        EXPECT_LE(lastBaseline, run.box.h) << f.style().caption << ": " << run.lines.back();
      }
      if (run.lines == std::vector<std::string>{"　震源"}) ++hypocentres;
    }
  };
  check(*module.mainForm());
  for (auto& make : windows) {
    auto f = make();
    f->show();
    check(*f);
    f->unload();
  }
  EXPECT_EQ(hypocentres, 1);
  app.form(0).unload();
}
