// A tick's repaint areas: changes near each other merge into one rectangle,
// distant ones stay apart, and past a handful the area repaints their
// bounding box; nothing changed is ever left out.
#include <gtest/gtest.h>

#include <algorithm>

#include "ui/dirty_rects.h"

using ui::PxRect;

TEST(DirtyRects, MergesNeighboursKeepsDistantOnesAndBoundsMany) {
  ui::DirtyRects d;
  d.add({0, 0, 10, 10});
  d.add({2, 2, 3, 3});      // inside
  d.add({15, 0, 10, 10});   // 5 px away: merged
  d.add({200, 200, 5, 5});  // far: its own
  d.add({0, 0, 0, 5});      // empty
  std::vector<PxRect> r = d.take();
  ASSERT_EQ(r.size(), 2u);
  EXPECT_TRUE(d.take().empty());
  EXPECT_EQ(r[0], (PxRect{0, 0, 25, 10}));
  EXPECT_EQ(r[1], (PxRect{200, 200, 5, 5}));
  // Back beside the first after one elsewhere: it still joins the first.
  d.add({0, 0, 10, 10});
  d.add({200, 200, 5, 5});
  d.add({12, 0, 4, 4});
  r = d.take();
  ASSERT_EQ(r.size(), 2u);
  EXPECT_NE(std::find(r.begin(), r.end(), PxRect{0, 0, 16, 10}), r.end());
  for (int i = 0; i < 9; ++i) d.add({i * 100, i * 50, 4, 4});
  r = d.take();
  ASSERT_EQ(r.size(), 1u);
  EXPECT_EQ(r[0], (PxRect{0, 0, 804, 404}));
}
