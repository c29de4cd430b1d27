// The zoom both hosts show: steps held back to the space, a step in from
// what is shown, out to at least 100 %, the fit in hundredths from 25 %, and
// the start that the space decides.
#include <gtest/gtest.h>

#include "ui/zoom_policy.h"

namespace {

using ui::ZoomPolicy;

// A window of w x h pixels at 100 % in a space of W x H.
ZoomPolicy::Fits space(double w, double h, double W, double H) {
  return [=](double f) { return w * f <= W && h * f <= H; };
}

TEST(ZoomPolicy, OnAScreenStepsAreHeldBackToTheLargestThatFitsAndReturnWhenThereIsRoom) {
  ZoomPolicy z(ZoomPolicy::Space::Screen);
  const auto menu = space(435, 290, 1366, 768), lesson = space(700, 500, 1366, 768);
  z.refit(menu);
  EXPECT_EQ(z.factor(), 1.0);
  for (int i = 0; i < 8; ++i) z.key(+1, menu);
  EXPECT_EQ(z.factor(), 2.5);  // 3.0 would leave the screen: the step is not taken
  // A larger window opens: the largest step at which it fits.
  EXPECT_TRUE(z.refit(lesson));
  EXPECT_EQ(z.factor(), 1.5);
  EXPECT_FALSE(z.key(+1, lesson));
  // It goes: back to what the keys asked for.
  z.refit(menu);
  EXPECT_EQ(z.factor(), 2.5);
  // A step out while held back goes below what is shown, and stays there.
  z.refit(lesson);
  z.key(-1, lesson);
  EXPECT_EQ(z.factor(), 1.25);
  z.refit(menu);
  EXPECT_EQ(z.factor(), 1.25);
  for (int i = 0; i < 8; ++i) z.key(-1, menu);
  EXPECT_EQ(z.factor(), 1.0);
  z.key(+1, menu);
  z.key(0, menu);
  EXPECT_EQ(z.factor(), 1.0);
  // A screen too small even at 100 %: the largest hundredth that fits.
  z.refit(space(800, 600, 640, 480));
  EXPECT_EQ(z.factor(), 0.8);
}

TEST(ZoomPolicy, APageStartsFittedInHundredthsAndStepsFromWhatIsShown) {
  ZoomPolicy z(ZoomPolicy::Space::Page);
  const auto projector = space(435, 290, 1904, 1064);
  z.refit(projector);
  EXPECT_EQ(z.factor(), 3.66);
  // One pixel wider changes nothing.
  EXPECT_FALSE(z.refit(space(435, 290, 1905, 1064)));
  // Above the last step there is no step in; a step out is the next below.
  EXPECT_FALSE(z.key(+1, projector));
  z.key(-1, projector);
  EXPECT_EQ(z.factor(), 3.0);
  z.key(-1, projector);
  EXPECT_EQ(z.factor(), 2.5);
  z.key(0, projector);
  EXPECT_EQ(z.factor(), 3.66);
  // From a fit between steps: no step in (the fit is the most that fits),
  // out to the steps below it and back in.
  const auto laptop = space(435, 290, 744, 564);
  z.refit(laptop);
  EXPECT_EQ(z.factor(), 1.71);
  EXPECT_FALSE(z.key(+1, laptop));
  z.key(-1, laptop);
  z.key(-1, laptop);
  EXPECT_EQ(z.factor(), 1.25);
  z.key(+1, laptop);
  EXPECT_EQ(z.factor(), 1.5);
  // A phone: below 100 %, and - never steps above what is shown.
  const auto phone = space(780, 560, 384, 684);
  z.key(0, phone);
  EXPECT_EQ(z.factor(), 0.49);
  z.key(-1, phone);
  EXPECT_EQ(z.factor(), 0.49);
  // Nothing fits even at 25 %: 25 %.
  z.refit(space(780, 560, 100, 100));
  EXPECT_EQ(z.factor(), ZoomPolicy::kLowest);
}

}  // namespace

// The key table both hosts read: the + key of US and Japanese keyboards
// with and without Shift, Command as well as Ctrl, and a held key stepping
// once while its repeats stay taken from the platform's own zoom.
TEST(ZoomKeys, UsAndJapaneseKeyboardsStepOncePerPress) {
  const ui::KeyModifiers ctrl{true, false, false, false}, ctrlShift{true, false, false, true},
      command{false, true, false, false}, ctrlAlt{true, false, true, false}, none{};
  struct Row {
    const char* key;
    ui::KeyModifiers mods;
    std::optional<int> step;  // none: not a zoom key
  };
  const Row rows[] = {
      {"=", ctrl, 1},       // US + key unshifted
      {"+", ctrlShift, 1},  // US + key shifted, Japanese ; key shifted, keypad
      {";", ctrl, 1},       // Japanese + key unshifted
      {"=", ctrlShift, -1}, // Japanese - key shifted
      {"-", ctrl, -1},      {"_", ctrlShift, -1}, {"0", ctrl, 0},   {"=", command, 1},
      {"-", command, -1},   {"=", none, {}},      {"+", ctrlAlt, {}}, {"1", ctrl, {}},
      {"", ctrl, {}},
  };
  for (const Row& r : rows) {
    const ui::ZoomKey k = ui::zoomKey(r.key, r.mods, false);
    EXPECT_EQ(k.step, r.step) << r.key;
    EXPECT_EQ(k.taken, r.step.has_value()) << r.key;
    const ui::ZoomKey held = ui::zoomKey(r.key, r.mods, true);
    EXPECT_EQ(held.taken, k.taken) << r.key;
    EXPECT_FALSE(held.step) << r.key;
  }
}
