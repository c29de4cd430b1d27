// The page's zoom steps, natively: by default the program fits the browser
// window, and the keys step through the desktop's zoom levels from there.
#include <gtest/gtest.h>

#include "ui/web/zoom.h"

using namespace zemlox::web;

TEST(WebZoom, FitsTheWindowThenStepsThroughTheDesktopLevels) {
  Zoom z;
  // The menu (433 x 290 layout pixels with its title bar) on a 1920 x 1080 projector.
  const double fit = z.factor(435, 290, 1920, 1080);
  EXPECT_NEAR(fit, 3.66, 0.01);
  z.larger(fit);
  EXPECT_EQ(z.factor(435, 290, 1920, 1080), 3.0);
  z.smaller(3.0);
  EXPECT_EQ(z.factor(435, 290, 1920, 1080), 2.5);
  for (int i = 0; i < 10; ++i) z.smaller(z.factor(1, 1, 1, 1));
  EXPECT_EQ(z.factor(435, 290, 1920, 1080), 1.0);
  z.larger(1.0);
  EXPECT_EQ(z.factor(435, 290, 1920, 1080), 1.25);
  z.fit();
  EXPECT_NEAR(z.factor(435, 290, 1920, 1080), fit, 1e-9);
  // A phone's small window still shows all of it; nonsense sizes give 100 %.
  EXPECT_LT(z.factor(780, 560, 400, 700), 0.5);
  EXPECT_EQ(z.factor(0, 0, 1920, 1080), 1.0);
}
