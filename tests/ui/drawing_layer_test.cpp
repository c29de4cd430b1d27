// Drawing layers: what a window draws lands in the pixel buffer at once, a
// circle is 2r across with its outline inside, bigger filled discs leave no
// pixel of the rings they cover, and a new zoom draws everything afresh as
// if it had been drawn at that zoom.
#include <gtest/gtest.h>

#include <cmath>

#include "ui/drawing_layer.h"

using namespace ui;

namespace {

constexpr double kZooms[] = {1.0, 1.25, 1.5, 2.0, 2.5, 3.0};
constexpr Color kWhite = 0xFFFFFF, kRed = 0x0000FF, kBlue = 0xFF0000;

int count(const PixelBuffer& b, Color c) {
  int n = 0;
  for (int y = 0; y < b.height(); ++y)
    for (int x = 0; x < b.width(); ++x) n += b.at(x, y) == pixelOf(c);
  return n;
}

}  // namespace

TEST(DrawingLayer, CircleIsTwoRadiiAcrossWithItsOutlineInside) {
  for (double z : kZooms) {
    DrawingLayer layer;
    Surface s;
    layer.setBackground(kWhite);
    layer.setGrid(PixelGrid{z}, static_cast<int>(400 * z), static_cast<int>(400 * z));
    layer.circle(s, 3000, 3000, 600, kRed, kBlue);  // 40 px across at 100 %
    const PixelBuffer& b = layer.pixels();
    const int row = static_cast<int>(std::floor(PixelGrid{z}.dev(3000)));  // through the centre
    int first = -1, last = -1;
    for (int x = 0; x < b.width(); ++x)
      if (b.at(x, row) != pixelOf(kWhite)) last = x, first = first < 0 ? x : first;
    EXPECT_NEAR(last + 1 - first, 80 * z, 1.0) << z;
    // The outline is round(zoom) pixels wide, then the fill.
    const int t = PixelGrid{z}.lineWidth(1);
    for (int k = 0; k < t; ++k) EXPECT_EQ(b.at(first + k, row), pixelOf(kRed)) << z;
    EXPECT_EQ(b.at(first + t, row), pixelOf(kBlue)) << z;
  }
}

TEST(DrawingLayer, GrowingFilledDiscsLeaveNoRingBehindUpToTheEdges) {
  // Wave fronts: each tick a P ring at 2s and an S ring at s, filled with the
  // view's background, from a centre near the top edge, until both pass
  // beyond the view's far corner.
  for (double z : kZooms) {
    DrawingLayer layer;
    Surface s;
    layer.setBackground(kWhite);
    const int w = static_cast<int>(std::lround(401 * z)), h = static_cast<int>(std::lround(173 * z));
    layer.setGrid(PixelGrid{z}, w, h);
    const float cx = 4000, cy = 300;
    for (float r = 0; r < 9000; r += 37.5f) {
      layer.circle(s, cx, cy, 2 * r, kRed, kWhite);
      layer.circle(s, cx, cy, r, kBlue, kWhite);
    }
    EXPECT_EQ(count(layer.pixels(), kRed), 0) << z;
    EXPECT_EQ(count(layer.pixels(), kBlue), 0) << z;
    EXPECT_EQ(count(layer.pixels(), kWhite), w * h) << z;
  }
}

TEST(DrawingLayer, ANewZoomDrawsEverythingAsIfDrawnThere) {
  auto draw = [](DrawingLayer& l) {
    Surface s;
    l.line(s, 150, 150, 5000, 2200.5f, kRed);
    l.line(s, 300, 2000, 300, 100, kBlue);
    l.circle(s, 2500, 1500, 700.25f, kBlue, std::nullopt);
  };
  for (double z : kZooms) {
    DrawingLayer zoomed, fresh;
    zoomed.setGrid(PixelGrid{1}, 400, 200);
    draw(zoomed);
    zoomed.setGrid(PixelGrid{z}, static_cast<int>(400 * z), static_cast<int>(200 * z));
    fresh.setGrid(PixelGrid{z}, static_cast<int>(400 * z), static_cast<int>(200 * z));
    draw(fresh);
    ASSERT_EQ(zoomed.pixels().width(), fresh.pixels().width());
    int differing = 0;
    for (int y = 0; y < fresh.pixels().height(); ++y)
      for (int x = 0; x < fresh.pixels().width(); ++x) differing += zoomed.pixels().at(x, y) != fresh.pixels().at(x, y);
    EXPECT_EQ(differing, 0) << z;
    EXPECT_GT(count(fresh.pixels(), kRed), 0);
    // Transparent where nothing was drawn; the painted area bounds the ink.
    EXPECT_EQ(fresh.pixels().at(static_cast<int>(390 * z), 5), kClearPixel);
    EXPECT_TRUE(fresh.painted().contains({static_cast<int>(20 * z), static_cast<int>(133 * z), 1, 1}));
  }
}

TEST(DrawingLayer, ASeeThroughLayerHoldsNoPixelsUntilSomethingIsDrawn) {
  PxRect told;
  DrawingLayer layer([&](const PxRect& r) { told = told.united(r); });
  Surface s;
  layer.setGrid(PixelGrid{1}, 100, 80);
  layer.setGrid(PixelGrid{1.5}, 150, 120);
  // A new zoom still tells the host all of it changed, but nothing is painted.
  EXPECT_EQ(told, (PxRect{0, 0, 150, 120}));
  EXPECT_TRUE(layer.painted().empty());
  EXPECT_EQ(layer.pixels().width(), 0);
  layer.line(s, 150, 150, 450, 150, kRed);
  EXPECT_EQ(layer.pixels().rect(), layer.extent());
  EXPECT_EQ(count(layer.pixels(), kRed), 32 * 2);
  EXPECT_EQ(layer.painted(), (PxRect{15, 15, 32, 2}));
  // An opaque one stands for the background: it always has them.
  layer.clear(s);
  layer.setBackground(kWhite);
  layer.setGrid(PixelGrid{1}, 40, 30);
  EXPECT_EQ(count(layer.pixels(), kWhite), 40 * 30);
}

TEST(DrawingLayer, ClearEmptiesTheLayerAndTellsTheHostWhere) {
  PxRect told;
  DrawingLayer layer([&](const PxRect& r) { told = told.united(r); });
  Surface s;
  layer.setGrid(PixelGrid{2}, 100, 80);
  told = {};
  layer.line(s, 150, 150, 450, 150, kRed);
  EXPECT_EQ(told, (PxRect{20, 20, 42, 2}));
  layer.clear(s);
  EXPECT_EQ(told, (PxRect{0, 0, 100, 80}));
  EXPECT_EQ(count(layer.pixels(), kRed), 0);
  EXPECT_TRUE(layer.painted().empty());
  // Nonsense coordinates draw nothing and break nothing.
  layer.line(s, NAN, 0, 1e30f, 5, kRed);
  layer.circle(s, 10, 10, -5, kRed, kBlue);
  EXPECT_EQ(count(layer.pixels(), kRed), 0);
}
