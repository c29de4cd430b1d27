// Exact pixels as every host shows them: lines land in the pixel their
// coordinate falls in, one device pixel per layout pixel times the rounded
// scale; diagonals and circles are aliased and unbroken; a picture's pixels
// repeat evenly, none dropped when it grows.
#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <set>
#include <utility>
#include <vector>

#include "ui/picture_scaling.h"
#include "ui/raster.h"

using namespace ui;

namespace {

using Pixels = std::set<std::pair<int, int>>;

Pixels pixelsOf(const std::vector<PxRect>& spans) {
  Pixels p;
  for (const PxRect& s : spans)
    for (int y = s.y; y < s.y + s.h; ++y)
      for (int x = s.x; x < s.x + s.w; ++x) p.insert({x, y});
  return p;
}

std::vector<PxRect> line(double x1, double y1, double x2, double y2, int t, bool dotted = false) {
  std::vector<PxRect> out;
  lineSpans(x1, y1, x2, y2, t, t, dotted, [&](const PxRect& s) { out.push_back(s); });
  return out;
}

}  // namespace

TEST(Raster, StraightLinesFillExactlyTheirPixelRowsAtEveryScale) {
  // The menu separator at y 960 twips, 100 %: row 64 only, columns 8..216.
  const PixelGrid one{1};
  Pixels p = pixelsOf(line(one.dev(120), one.dev(960), one.dev(3240), one.dev(960), one.lineWidth(1)));
  EXPECT_EQ(p.size(), 209u);
  EXPECT_TRUE(p.count({8, 64}) && p.count({216, 64}) && !p.count({8, 63}) && !p.count({8, 65}));
  // A block edge at y 1387.5 lies in row 92, not smeared over 92 and 93.
  p = pixelsOf(line(10, one.dev(1387.5), 20, one.dev(1387.5), 1));
  EXPECT_TRUE(p.count({10, 92}) && !p.count({10, 93}));
  // At 200 % a one-pixel line is two rows, and each end pixel two columns;
  // at 250 % it is three (round(2.5)).
  const PixelGrid two{2}, twoHalf{2.5};
  EXPECT_EQ(pixelsOf(line(0, two.dev(960), 10, two.dev(960), two.lineWidth(1))),
            pixelsOf({{0, 128, 12, 2}}));
  EXPECT_EQ(twoHalf.lineWidth(1), 3);
  // A line two layout pixels thick still ends where the layout ends it.
  std::vector<PxRect> wide;
  lineSpans(0, 5, 10, 5, 2, 1, false, [&](const PxRect& s) { wide.push_back(s); });
  EXPECT_EQ(pixelsOf(wide), pixelsOf({{0, 5, 11, 2}}));
  EXPECT_EQ(twoHalf.lineWidth(2), 6);
}

TEST(Raster, DiagonalsAreOnePixelPerStepAndUnbroken) {
  for (auto [x2, y2] : std::vector<std::pair<double, double>>{{40.3, 17.8}, {3.2, 50.9}, {-30, 30}, {25, -7}}) {
    const Pixels p = pixelsOf(line(0.5, 0.5, x2, y2, 1));
    const bool xMajor = std::fabs(x2) >= std::fabs(y2);
    std::map<int, int> perStep;
    for (auto [x, y] : p) ++perStep[xMajor ? x : y];
    for (auto [k, n] : perStep) EXPECT_EQ(n, 1) << "at " << k << " towards " << x2 << "," << y2;
    EXPECT_EQ(perStep.size(), static_cast<size_t>(std::floor(std::fabs(xMajor ? x2 : y2))) + 1);
    for (auto [x, y] : p) {
      bool neighbour = p.size() == 1;
      for (int dx = -1; dx <= 1; ++dx)
        for (int dy = -1; dy <= 1; ++dy) neighbour |= (dx || dy) && p.count({x + dx, y + dy});
      EXPECT_TRUE(neighbour) << x << "," << y;
    }
  }
}

TEST(Raster, DottedLinesShowOneDotInThree) {
  const Pixels p = pixelsOf(line(0, 5, 30, 5, 1, true));
  EXPECT_EQ(p, pixelsOf({{0, 5, 1, 1}, {3, 5, 1, 1}, {6, 5, 1, 1}, {9, 5, 1, 1}, {12, 5, 1, 1}, {15, 5, 1, 1},
                         {18, 5, 1, 1}, {21, 5, 1, 1}, {24, 5, 1, 1}, {27, 5, 1, 1}, {30, 5, 1, 1}}));
}

TEST(Raster, CirclesAreClosedRingsWithTheirInsideFilled) {
  for (double d : {9.0, 15.0, 40.0, 301.0}) {
    std::vector<PxRect> ring, inside;
    const SpanFn keep = [&](const PxRect& s) { inside.push_back(s); };
    circleSpans(200.5, 200.5, d, 1, [&](const PxRect& s) { ring.push_back(s); }, &keep);
    const Pixels r = pixelsOf(ring), f = pixelsOf(inside);
    for (auto px : f) EXPECT_FALSE(r.count(px));
    // Every row through the middle crosses the ring twice.
    for (int k = 200 - static_cast<int>(d / 3); k <= 200 + static_cast<int>(d / 3); ++k) {
      int crossings = 0;
      bool was = false;
      for (int x = 0; x < 420; ++x) {
        const bool on = r.count({x, k}) > 0;
        crossings += on && !was;
        was = on;
      }
      EXPECT_EQ(crossings, 2) << "diameter " << d << " row " << k;
    }
    EXPECT_TRUE(f.count({200, 200}));
    // The ring reaches the circle's extent and no further.
    int minX = 1 << 20, maxX = -(1 << 20);
    for (auto [x, y] : r) minX = std::min(minX, x), maxX = std::max(maxX, x);
    EXPECT_NEAR(maxX + 1 - minX, d, 1.0);
  }
}


TEST(Raster, PicturesShowTheSourcePixelUnderEachPixelsCentre) {
  // Whole scales repeat each source pixel exactly; a centre on the edge
  // between two takes the earlier; growing never skips one.
  EXPECT_EQ(pictureSamples(3, 9), (std::vector<int>{0, 0, 0, 1, 1, 1, 2, 2, 2}));
  EXPECT_EQ(pictureSamples(4, 6), (std::vector<int>{0, 0, 1, 2, 2, 3}));
  EXPECT_EQ(pictureSamples(4, 2), (std::vector<int>{0, 2}));
  for (int to : {164, 205, 246, 328, 410, 492}) {
    const std::vector<int> at = pictureSamples(164, to);
    EXPECT_EQ(at.front(), 0);
    EXPECT_EQ(at.back(), 163);
    for (size_t d = 1; d < at.size(); ++d) EXPECT_LE(at[d] - at[d - 1], 1) << to << " at " << d;
  }
}

TEST(Raster, EdgesRoundAsTheLibraryDoesHalvesAwayFromZero) {
  for (double v : {0.5, 1.5, 2.5, -0.5, -1.5, -2.5, 0.49999999999999994, -0.49999999999999994, 999999.5, 7.2, -7.7})
    EXPECT_EQ(nearestInt(v), std::lround(v)) << v;
}
