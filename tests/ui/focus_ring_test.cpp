// The focus ring as every host draws it: black dots a layout pixel square,
// a dot's width apart, on a rectangle three pixels inside a button and on a
// painted label's outer pixels, at any scale.
#include <gtest/gtest.h>

#include <set>
#include <utility>

#include "ui/focus_ring.h"

namespace {

using Pixels = std::set<std::pair<int, int>>;

Pixels ringOf(ui::ControlKind kind, const ui::PxRect& box, double scale) {
  ui::PaintList list;
  ui::paintFocusRing(list, kind, box, ui::PixelGrid{scale});
  Pixels p;
  for (const ui::PaintItem& f : list.items()) {
    EXPECT_EQ(f.kind, ui::PaintItem::Fill);
    EXPECT_EQ(f.color, 0x000000u);
    for (int y = f.rect.y; y < f.rect.bottom(); ++y)
      for (int x = f.rect.x; x < f.rect.right(); ++x) EXPECT_TRUE(p.insert({x, y}).second) << "twice: " << x << ", " << y;
  }
  return p;
}

TEST(FocusRing, DotsRunAroundTheInsetRectangleAtEveryScale) {
  for (double scale : {1.0, 1.5, 2.0, 3.0}) {
    const int t = ui::PixelGrid{scale}.lineWidth(1);
    for (auto kind : {ui::ControlKind::Button, ui::ControlKind::Label}) {
      SCOPED_TRACE(testing::Message() << "scale " << scale << (kind == ui::ControlKind::Button ? " button" : " label"));
      const ui::PxRect box{10, 20, 60 * t + 1, 21 * t + 1};
      const int in = (kind == ui::ControlKind::Button ? 3 : 0) * t;
      const ui::PxRect r = box.grown(-in);
      const Pixels ring = ringOf(kind, box, scale);
      for (auto [x, y] : ring) {
        // Only on the ring's own band, a dot's width wide.
        const bool onBand = x < r.x + t || x >= r.right() - t || y < r.y + t || y >= r.bottom() - t;
        EXPECT_TRUE(onBand && x >= r.x && x < r.right() && y >= r.y && y < r.bottom()) << x << ", " << y;
      }
      // The corner dot, then a gap and a dot along the top and down the left.
      EXPECT_TRUE(ring.count({r.x, r.y}) && ring.count({r.x + t - 1, r.y + t - 1}));
      EXPECT_FALSE(ring.count({r.x + t, r.y}) || ring.count({r.x, r.y + t}));
      EXPECT_TRUE(ring.count({r.x + 2 * t, r.y}) && ring.count({r.x, r.y + 2 * t}));
      // Half the band is inked, give or take the corners.
      const int band = 2 * (r.w + r.h) * t - 4 * t * t;
      EXPECT_NEAR(static_cast<double>(ring.size()) / band, 0.5, 0.05);
    }
  }
  // Too small for a ring: nothing.
  EXPECT_TRUE(ringOf(ui::ControlKind::Button, {0, 0, 5, 5}, 1).empty());
}

}  // namespace
