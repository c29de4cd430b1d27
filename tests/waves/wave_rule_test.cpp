// The shared wave rule: how each row the windows use numbers its indexes,
// orders them, where it rests and which way it moves them (the phase's wrap
// is in periods_test.cpp).
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "waves/rows.h"

namespace {

using waves::Row;

struct Placed {
  int i;
  float x, y;
};

// The band of the single-row windows: 11415 twips from x 120, particles
// 135 wide (their rest place is shifted by half of that), resting on y 1920.
std::vector<Placed> sweep(const waves::Wave& w, const Row& r) {
  std::vector<Placed> out;
  waves::moveRow(w, r, {120, 840, 11415, 2295}, 67.5f, 1920,
                 [&](int i, float x, float y) { out.push_back({i, x, y}); });
  return out;
}

struct RowCase {
  const char* name;
  Row row;
  int first, last, step;    // expected visiting order
  int posOfFirst;           // k of the index placed first
  double termOfLeftmost;    // position term at k = 1
  waves::Axis axis;
};

void PrintTo(const RowCase& c, std::ostream* os) { *os << c.name; }

class RowOrder : public ::testing::TestWithParam<RowCase> {};

TEST_P(RowOrder, VisitsEveryIndexOnceInOrderAndSwingsOnOneAxisAboutItsRestPlace) {
  const RowCase& c = GetParam();
  // Half a turn apart, every particle stands on the other side of its rest place.
  const auto placed = sweep(waves::Wave{0.7, 0}, c.row);
  const auto opposite = sweep(waves::Wave{0.7 + std::numbers::pi, 0}, c.row);
  ASSERT_EQ(placed.size(), 31u);
  for (size_t n = 0; n < placed.size(); ++n)
    EXPECT_EQ(placed[n].i, c.first + c.step * static_cast<int>(n)) << n;
  EXPECT_EQ(c.row.position(c.first), c.posOfFirst);
  EXPECT_EQ(c.row.term(1), c.termOfLeftmost);
  int moved = 0;
  for (size_t n = 0; n < placed.size(); ++n) {
    const Placed& p = placed[n];
    const Placed& q = opposite[n];
    // The 32 equal steps of the band: position k rests k steps in.
    const double rest = 120 + 356.71875 * c.row.position(p.i) - 67.5;
    const bool along = c.axis == waves::Axis::Along;
    const float still = along ? p.y : p.x, stillThere = along ? q.y : q.x;
    const double swing = along ? p.x : p.y, swingThere = along ? q.x : q.y;
    EXPECT_EQ(still, stillThere) << p.i;
    EXPECT_EQ(still, along ? 1920.0f : static_cast<float>(rest)) << p.i;
    EXPECT_NEAR((swing + swingThere) / 2, along ? rest : 1920.0, 2e-3) << p.i;
    moved += swing != swingThere;
  }
  EXPECT_EQ(moved, 31);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, RowOrder,
    ::testing::Values(RowCase{"P", waves::kPRow, 0, 30, 1, 1, 0.0, waves::Axis::Along},
                      RowCase{"S", waves::kSRow, 0, 30, 1, 1, 0.0, waves::Axis::Across},
                      RowCase{"SBelow", waves::kSRowBelow, 31, 61, 1, 31, 0.5, waves::Axis::Across},
                      RowCase{"SBlock", waves::kSBlock, 61, 31, -1, 1, 0.5, waves::Axis::Across}),
    [](const auto& p) { return std::string(p.param.name); });

TEST(WaveRule, AmplitudesAreFractionsOfTheBandWidth) {
  waves::Wave crest{std::numbers::pi / 2, 0};
  // Index 0 of the P row at phase π/2 sits a full amplitude to the right.
  const auto p = sweep(crest, waves::kPRow);
  EXPECT_FLOAT_EQ(p[0].x - (356.71875f + 52.5f), 178.359375f);
  const auto s = sweep(crest, waves::kSRow);
  EXPECT_FLOAT_EQ(s[0].y - 1920, 713.4375f);
}

}  // namespace
