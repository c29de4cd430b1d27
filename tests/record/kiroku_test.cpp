// The seismograph record without a display: the layout, the pen's path tick
// by tick, when explanations appear, the strip bounds, replay and reload.
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "record/frm_Kiroku.h"

namespace {

using record::frm_Kiroku;

constexpr int kTicks = 514;  // a full record with the window's layout

class Kiroku : public ::testing::Test {
 protected:
  // Opens the window with the random factors given by `source`.
  void open(record::RandomSource source = [] { return 0.25f; }) {
    w.setRandomSource(std::move(source));
    w.show();
    w.surface().setSink(&sink);
  }
  void ticks(int n) {
    for (int i = 0; i < n; ++i) w.Timer1.tick();
  }
  std::vector<ui::DrawOp> lines() const {
    std::vector<ui::DrawOp> out;
    for (const auto& op : sink.ops)
      if (op.kind == ui::DrawOp::Line) out.push_back(op);
    return out;
  }
  // (2)..(5) as shown now: one flag per explanation with its annotations.
  std::vector<bool> explanations() const {
    return {w.Label4.visible() && w.Label9.visible(), w.Label5.visible() && w.Label10.visible(),
            w.Label6.visible(),
            w.Label7.visible() && w.Line1.visible() && w.Line2.visible() && w.Line3.visible() &&
                w.Label8.visible()};
  }
  bool anyAnnotationShown() const {
    const ui::Control* hidden[] = {&w.Label4, &w.Label5, &w.Label6, &w.Label7, &w.Label8,
                                   &w.Label9, &w.Label10, &w.Line1,  &w.Line2,  &w.Line3};
    for (const ui::Control* c : hidden)
      if (c->visible()) return true;
    return false;
  }

  ui::Application app;
  frm_Kiroku w{app};
  ui::RecordingSink sink;
};

TEST_F(Kiroku, LayoutAtLoad) {
  open();
  EXPECT_EQ(w.style().caption, "地震計の記録");
  EXPECT_FALSE(w.style().showInTaskbar);
  EXPECT_EQ(w.Label2.caption(), "地震計の記録");
  EXPECT_EQ(w.Command1.caption(), "閉じる");
  EXPECT_EQ(w.Command2.caption(), "もう一度");
  EXPECT_EQ(w.Label7.caption(),
            "(5)初期微動が始まってから主要動までの時間を｢初期微動継続時間｣といいます。");
  EXPECT_EQ(w.Label8.caption(), "初期微動継続時間");
  EXPECT_EQ(w.Label8.foreColor(), 0x000000FFu);
  for (const ui::Label* l : {&w.Label8, &w.Label9, &w.Label10}) EXPECT_TRUE(l->transparent());
  EXPECT_EQ(w.Shape1.fillColor(), 0x00C0FFFFu);
  EXPECT_EQ(w.Line3.color(), 0x008080FFu);
  EXPECT_FLOAT_EQ(w.Line3.x2(), 2880);
  EXPECT_TRUE(w.Label3.visible());
  EXPECT_FALSE(anyAnnotationShown());
  EXPECT_EQ(w.Timer1.interval(), 1);
  EXPECT_TRUE(w.Timer1.enabled());
  EXPECT_EQ(w.penTravel(), 0);
}

// Tick by tick: the first tick at which each explanation must be visible.
TEST_F(Kiroku, ExplanationsAppearAsThePenPassesTheirPoints) {
  open();
  const int firstTick[] = {26, 110, 116, 121};
  for (int k = 0; k < kTicks; ++k) {
    ticks(1);
    const std::vector<bool> shown = explanations();
    for (int i = 0; i < 4; ++i)
      ASSERT_EQ(shown[static_cast<size_t>(i)], k >= firstTick[i]) << "tick " << k << " item " << i;
    if (k < 26) {
      ASSERT_FALSE(anyAnnotationShown()) << "tick " << k;
    }
  }
}

TEST_F(Kiroku, FlatLineThenRecordEndsAtTheStripMargin) {
  open();
  ticks(kTicks - 1);
  EXPECT_TRUE(w.Timer1.enabled());
  EXPECT_EQ(w.penTravel(), 10260);
  ticks(1);
  EXPECT_FALSE(w.Timer1.enabled());
  EXPECT_EQ(w.penTravel(), 10280);
  ticks(5);  // a stopped timer draws nothing more
  const auto ls = lines();
  ASSERT_EQ(ls.size(), static_cast<size_t>(kTicks));
  EXPECT_FLOAT_EQ(ls[0].x1, 670.75f);
  EXPECT_FLOAT_EQ(ls[0].x2, 690.75f);
  for (int k = 0; k <= 25; ++k) {
    EXPECT_EQ(ls[k].y1, 1987.5f) << k;
    EXPECT_EQ(ls[k].y2, 1987.5f) << k;
  }
  EXPECT_FLOAT_EQ(ls[25].x2, 1190.75f);
  EXPECT_FLOAT_EQ(ls[26].x2, 1210.75f);
  EXPECT_NE(ls[26].y2, 1987.5f);
  EXPECT_FLOAT_EQ(ls.back().x2, 10950.75f);
  for (const auto& op : ls) EXPECT_EQ(op.color, 0x00000000u);
}

struct DispRow {
  int tick;
  float r;
  double expected;  // twips below the centre line
};

// Displacements worked out by hand from the two envelopes, h = 2295.
TEST_F(Kiroku, DisplacementFollowsTheEnvelopeOfEachPhase) {
  const DispRow rows[] = {
      {26, 0.0f, std::sin(52.0) * 2295 / 520 * 0.5 * 20},
      {27, 0.5f, std::sin(54.0) * 2295 / 540 * 1.0 * 20},
      {109, 0.75f, std::sin(218.0) * 2295 / 2180 * 1.25 * 20},
      {110, 0.0f, std::sin(110.0) * 2295 / 1700 * 500 * 0.5},
      {121, 0.5f, std::sin(121.0) * 2295 / 1920 * 500 * 1.0},
      {513, 0.75f, std::sin(513.0) * 2295 / 9760 * 500 * 1.25},
  };
  for (const DispRow& row : rows) {
    frm_Kiroku fresh{app};
    ui::RecordingSink s;
    const float r = row.r;
    fresh.setRandomSource([r] { return r; });
    fresh.show();
    fresh.surface().setSink(&s);
    for (int k = 0; k <= row.tick; ++k) fresh.Timer1.tick();
    EXPECT_NEAR(fresh.disp(), row.expected, 1e-9) << "tick " << row.tick;
    EXPECT_EQ(s.ops.back().y2, static_cast<float>(1987.5 + row.expected)) << "tick " << row.tick;
    fresh.unload();
  }
}

TEST_F(Kiroku, EverySegmentStartsWhereThePreviousEnded) {
  float v = 0;
  open([&v] { return v = std::fmod(v + 0.37f, 1.0f); });
  ticks(kTicks);
  const auto ls = lines();
  ASSERT_EQ(ls.size(), static_cast<size_t>(kTicks));
  for (size_t i = 1; i < ls.size(); ++i) {
    ASSERT_EQ(ls[i].x1, ls[i - 1].x2) << i;
    ASSERT_EQ(ls[i].y1, ls[i - 1].y2) << i;
  }
}

// The largest and smallest factors both keep the trace on the strip (840..3135).
TEST_F(Kiroku, TraceStaysInsideTheStripForExtremeFactors) {
  for (float r : {0.0f, std::nextafter(1.0f, 0.0f)}) {
    frm_Kiroku fresh{app};
    ui::RecordingSink s;
    fresh.setRandomSource([r] { return r; });
    fresh.show();
    fresh.surface().setSink(&s);
    for (int k = 0; k < kTicks; ++k) fresh.Timer1.tick();
    float lo = 1987.5f, hi = 1987.5f;
    for (const auto& op : s.ops) {
      lo = std::min({lo, op.y1, op.y2});
      hi = std::max({hi, op.y1, op.y2});
    }
    EXPECT_GT(lo, 840.0f) << r;
    EXPECT_LT(hi, 3135.0f) << r;
    EXPECT_GT(hi - lo, 600.0f) << r;  // the principal motion really swings
    fresh.unload();
  }
}

TEST_F(Kiroku, ReplayInTheMiddleClearsAndStartsFlat) {
  open([] { return 0.9f; });
  ticks(200);
  ASSERT_NE(w.lastDisp(), 0.0);
  ASSERT_TRUE(w.Line3.visible());
  sink.ops.clear();
  w.Command2.click();
  ASSERT_EQ(sink.ops.size(), 2u);
  EXPECT_EQ(sink.ops[0].kind, ui::DrawOp::Clear);
  EXPECT_EQ(sink.ops[0].surface, &w.surface());
  const ui::DrawOp& first = sink.ops[1];
  EXPECT_EQ(first.kind, ui::DrawOp::Line);
  EXPECT_FLOAT_EQ(first.x1, 670.75f);
  EXPECT_FLOAT_EQ(first.x2, 690.75f);
  EXPECT_EQ(first.y1, 1987.5f);
  EXPECT_EQ(first.y2, 1987.5f);
  EXPECT_FALSE(anyAnnotationShown());
  EXPECT_TRUE(w.Label3.visible());
  EXPECT_EQ(w.penTravel(), 20);
  EXPECT_TRUE(w.Timer1.enabled());
  ticks(kTicks - 1);
  EXPECT_FALSE(w.Timer1.enabled());
  EXPECT_EQ(lines().size(), static_cast<size_t>(kTicks));
}

TEST_F(Kiroku, ReplayAfterACompleteRecordDrawsADifferentOne) {
  open(record::programRandom);
  ticks(kTicks);
  ASSERT_FALSE(w.Timer1.enabled());
  const auto firstRecord = lines();
  sink.ops.clear();
  w.Command2.click();
  EXPECT_TRUE(w.Timer1.enabled());
  ticks(kTicks);
  const auto secondRecord = lines();
  ASSERT_EQ(secondRecord.size(), firstRecord.size());
  int differing = 0;
  for (size_t i = 0; i < firstRecord.size(); ++i) {
    EXPECT_EQ(secondRecord[i].x2, firstRecord[i].x2);
    if (secondRecord[i].y2 != firstRecord[i].y2) ++differing;
  }
  EXPECT_GT(differing, 400);  // every tick from 26 on draws a fresh factor
}

TEST_F(Kiroku, ClosingStopsTheRecordAndReopeningStartsAgain) {
  open();
  ticks(150);
  w.Command1.click();
  EXPECT_FALSE(w.loaded());
  EXPECT_FALSE(w.Timer1.enabled());
  EXPECT_EQ(w.penTravel(), 3000);  // fields outlive the unload
  open();
  EXPECT_EQ(w.penTravel(), 0);
  EXPECT_TRUE(w.Timer1.enabled());
  EXPECT_FALSE(anyAnnotationShown());
  ticks(1);
  EXPECT_FLOAT_EQ(lines().back().x1, 670.75f);
}

TEST(ProgramRandom, UniformInUnitIntervalAndNotRepeating) {
  double sum = 0;
  float previous = -1;
  int repeats = 0;
  for (int i = 0; i < 10000; ++i) {
    const float r = record::programRandom();
    ASSERT_GE(r, 0.0f);
    ASSERT_LT(r, 1.0f);
    if (r == previous) ++repeats;
    previous = r;
    sum += r;
  }
  EXPECT_LT(repeats, 3);
  EXPECT_NEAR(sum / 10000, 0.5, 0.02);
}

}  // namespace
