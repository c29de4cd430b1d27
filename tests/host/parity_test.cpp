// The Qt host shows exactly the pixels the window layer decides: each window
// rendered through Qt and through the toolkit-free image host is the same
// everywhere but inside glyphs and the host's own widgets (buttons, lists):
// frames with their captions' bands and pictures included, in every window
// at every zoom step, mid-run and after.
#include <gtest/gtest.h>

#include <QApplication>
#include <cmath>
#include <cstdio>

#include "app/Module1.h"
#include "observe/frm_Kansoku.h"
#include "record/frm_Kiroku.h"
#include "tests/host/host_test.h"
#include "tests/lesson_windows.h"
#include "tests/image/image_host.h"
#include "ui/controls.h"

namespace {

struct Parity : HostTest, ::testing::WithParamInterface<double> {
  // Fails, rather than pressing Ctrl+ for ever, where the screen holds back a step.
  void zoomTo(double z) {
    host.zoomKey(0);
    for (double was = 0; host.zoom().factor() < z && host.zoom().factor() > was;) {
      was = host.zoom().factor();
      host.zoomKey(1);
    }
    ASSERT_GE(host.zoom().factor(), z) << "the screen does not fit this zoom step";
  }
  void TearDown() override {
    host.zoomKey(0);
    HostTest::TearDown();
  }
  // Pixels that differ between Qt's rendering and the image host's, outside
  // what only a host draws.
  int differing(ui::Form& f, image_test::ImageHost& image, const char* what) {
    zoomTo(GetParam());
    const QImage shown = render(f).convertToFormat(QImage::Format_RGB32);
    const ui::PixelBuffer& px = image.render(GetParam() * shown.devicePixelRatio(), shown.devicePixelRatio());
    EXPECT_EQ(shown.width(), px.width());
    EXPECT_EQ(shown.height(), px.height());
    std::vector<ui::PxRect> hostOnly;
    for (const ui::TextRun& t : image.texts()) hostOnly.push_back(t.box.grown(t.strike + 1));
    for (const ui::Control* c : f.controls()) {
      if (!c->visible()) continue;
      const ui::PxRect r = image.placeOf(*c);
      if (c->kind() == ui::ControlKind::Button || c->kind() == ui::ControlKind::ComboBox) hostOnly.push_back(r.grown(1));
    }
    int n = 0, compared = 0;
    for (int y = 0; y < std::min(shown.height(), px.height()); ++y)
      for (int x = 0; x < std::min(shown.width(), px.width()); ++x) {
        bool masked = false;
        for (const ui::PxRect& m : hostOnly) masked = masked || m.contains({x, y, 1, 1});
        if (masked) continue;
        ++compared;
        const QRgb q = shown.pixel(x, y);
        const ui::Color c = ui::colorOf(px.at(x, y));
        n += qRed(q) != ui::red(c) || qGreen(q) != ui::green(c) || qBlue(q) != ui::blue(c);
      }
    std::printf("  %s at %g %%: %d of %d pixels differ outside glyphs and widgets\n", what, GetParam() * 100, n,
                compared);
    return n;
  }
};

INSTANTIATE_TEST_SUITE_P(EveryStep, Parity, ::testing::Values(1.0, 1.25, 1.5, 2.0, 2.5, 3.0));

}  // namespace

TEST_P(Parity, ObservationWindowMidRunAndAfter) {
  observe::frm_Kansoku w(app);
  w.show();
  {
    image_test::ImageHost image(w);
    EXPECT_EQ(differing(w, image, "observation"), 0);
    w.Command2_Click();
    w.Timer1.setEnabled(false);  // only the ticks below
    for (int k = 0; k < 120; ++k) w.Timer1_Timer();
    EXPECT_EQ(differing(w, image, "observation mid-run"), 0);
    while (!w.Command5.visible()) w.Timer1_Timer();
    EXPECT_EQ(differing(w, image, "observation after a run"), 0);
    w.nobj_Click(0);
    EXPECT_EQ(differing(w, image, "observation, a station picked up"), 0);
  }
  w.unload();
}

TEST_P(Parity, MenuWithItsPicture) {
  app::Module1 module(app);
  module.Main();
  ui::Form& menu = *module.mainForm();
  {
    image_test::ImageHost image(menu);
    EXPECT_EQ(differing(menu, image, "menu"), 0);
  }
  menu.unload();
}

// Each lesson a few ticks in; the record far enough for its trace and brackets.
TEST_P(Parity, EveryLessonUnderWay) {
  const char* names[] = {"P wave", "S wave", "particle rows", "block lesson", "record", "observation"};
  const auto every = lessons::every(app);
  for (size_t i = 0; i < every.size(); ++i) {
    std::unique_ptr<ui::Form> f = every[i]();
    auto* rec = dynamic_cast<record::frm_Kiroku*>(f.get());
    if (rec) rec->setRandomSource([] { return 0.25f; });
    f->show();
    ui::Timer& clock = *f->timers().front();
    clock.setEnabled(false);  // only the ticks below
    {
      image_test::ImageHost image(*f);
      for (int k = 0; k < (rec ? 300 : 7); ++k) clock.onTimer();
      EXPECT_EQ(differing(*f, image, names[i]), 0);
    }
    f->unload();
  }
}
