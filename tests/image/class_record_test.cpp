// The class's comparison of two runs as pixels: after a run at 大 and a
// second at 小 with the layout unchanged, the first run's record still shows
// in grey where the second's smaller wiggles leave it uncovered.
#include <gtest/gtest.h>

#include "observe/frm_Kansoku.h"
#include "tests/image/image_host.h"

TEST(ClassRecord, TheLastRunStaysFaintUnderTheNext) {
  ui::Application app;
  observe::frm_Kansoku w(app);
  observe::ClassLayout l;
  l.magnitude = 3;
  w.setClassLayout(l);
  w.show();
  image_test::ImageHost host(w);
  auto run = [&] {
    w.Command2_Click();
    while (w.Timer1.enabled()) w.Timer1.tick();
  };
  run();
  w.mag.pick(0);
  run();
  const ui::PixelBuffer& img = host.render(1);
  EXPECT_GT(image_test::countPixels(img, host.placeOf(w.kiroku), 0x00B0B0B0), 1000);
}
