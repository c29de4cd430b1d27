// The shared wave rule: the phase's step and wrap, and how each row the
// windows use numbers its indexes, orders them and which way it moves them.
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

std::vector<Placed> sweep(const waves::Wave& w, const Row& r) {
  std::vector<Placed> out;
  waves::moveRow(w, r, {120, 840, 11415, 2295}, 67.5f, 1920,
                 [&](int i, float x, float y) { out.push_back({i, x, y}); });
  return out;
}

TEST(WaveRule, PhaseWrapsToZeroExactlyAfterAFullTurnOfSteps) {
  struct Case { int divisor, ticks; };
  for (Case c : {Case{5, 10}, Case{20, 40}, Case{10, 20}}) {
    waves::Wave w{0, std::numbers::pi / c.divisor};
    for (int t = 1; t < c.ticks; ++t) {
      w.advance();
      ASSERT_GT(w.phase, 0) << "π/" << c.divisor << " tick " << t;
    }
    w.advance();
    EXPECT_EQ(w.phase, 0.0) << "π/" << c.divisor;
  }
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

TEST_P(RowOrder, VisitsEveryIndexOnceInOrderAndMovesOneAxis) {
  const RowCase& c = GetParam();
  const auto placed = sweep(waves::Wave{0.7, 0}, c.row);
  ASSERT_EQ(placed.size(), 31u);
  for (size_t n = 0; n < placed.size(); ++n)
    EXPECT_EQ(placed[n].i, c.first + c.step * static_cast<int>(n)) << n;
  EXPECT_EQ(c.row.position(c.first), c.posOfFirst);
  EXPECT_EQ(c.row.term(1), c.termOfLeftmost);
  for (const Placed& p : placed) {
    const int k = c.row.position(p.i);
    const float rest = 11415.0f / 32 * static_cast<float>(k) + 120 - 67.5f;
    const double d = 11415.0 / c.row.amplitudeDivisor * std::sin(0.7 + c.row.term(k));
    if (c.axis == waves::Axis::Along) {
      EXPECT_EQ(p.y, 1920);
      EXPECT_EQ(p.x, static_cast<float>(rest + d));
    } else {
      EXPECT_EQ(p.x, rest);
      EXPECT_EQ(p.y, static_cast<float>(1920 + d));
    }
  }
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
