// The focus ring as every host draws it: black dots a layout pixel square,
// a dot's width apart, three pixels inside a button and on a painted
// label's outer pixels, at any scale.
#include <gtest/gtest.h>

#include <set>
#include <utility>

#include "ui/focus_ring.h"

TEST(FocusRing, DotsRunAroundTheInsetRectangleAtEveryScale) {
  for (double scale : {1.0, 1.5, 2.0, 3.0}) {
    const int t = ui::PixelGrid{scale}.lineWidth(1);
    for (auto kind : {ui::ControlKind::Button, ui::ControlKind::Label}) {
      SCOPED_TRACE(testing::Message() << scale << (kind == ui::ControlKind::Button ? " button" : " label"));
      const ui::PxRect box{10, 20, 60 * t + 1, 21 * t + 1};
      const ui::PxRect r = box.grown(-(kind == ui::ControlKind::Button ? 3 : 0) * t);
      ui::PaintList list;
      ui::paintFocusRing(list, kind, box, ui::PixelGrid{scale});
      std::set<std::pair<int, int>> ring;
      for (const ui::PaintItem& f : list.items()) {
        EXPECT_EQ(f.color, 0x000000u);
        for (int y = f.rect.y; y < f.rect.bottom(); ++y)
          for (int x = f.rect.x; x < f.rect.right(); ++x) {
            EXPECT_TRUE(ring.insert({x, y}).second) << "twice: " << x << ", " << y;
            EXPECT_TRUE(r.contains({x, y, 1, 1}) && !r.grown(-t).contains({x, y, 1, 1})) << x << ", " << y;
          }
      }
      // The corner dot, a gap and a dot along the top and down the left;
      // half the band inked, give or take the corners.
      EXPECT_TRUE(ring.count({r.x, r.y}) && ring.count({r.x + t - 1, r.y + t - 1}));
      EXPECT_FALSE(ring.count({r.x + t, r.y}) || ring.count({r.x, r.y + t}));
      EXPECT_TRUE(ring.count({r.x + 2 * t, r.y}) && ring.count({r.x, r.y + 2 * t}));
      EXPECT_NEAR(static_cast<double>(ring.size()) / (2 * (r.w + r.h) * t - 4 * t * t), 0.5, 0.05);
    }
  }
}
