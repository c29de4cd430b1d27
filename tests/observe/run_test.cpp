// The earthquake run with the design layout: arrival table, length of the
// run, the first tick, size scaling, rings in both views, and restarting.
#include <gtest/gtest.h>

#include <cmath>

#include "kansoku_fixture.h"
#include "observe/colours.h"

namespace observe_test {
namespace {

using EarthquakeRun = Kansoku;

// One station's trace: segment k was drawn by the tick with S = 20k.
struct Trace {
  std::vector<ui::DrawOp> segments;
  float baseline = 0;
  double offset(size_t k) const { return segments[k].y2 - baseline; }
  static double sinAt(size_t k) { return std::sin(20.0 * static_cast<double>(k) / 2); }
  size_t firstMoving() const {
    for (size_t k = 0; k < segments.size(); ++k)
      if (offset(k) != 0) return k;
    return segments.size();
  }
};

std::vector<Trace> traces(const ui::RecordingSink& record, const observe::frm_Kansoku& w) {
  std::vector<Trace> out(5);
  const auto lines = Kansoku::of(record, ui::DrawOp::Line);
  for (size_t n = 0; n < lines.size(); ++n) out[n % 5].segments.push_back(lines[n]);
  for (int i = 0; i < 5; ++i) out[i].baseline = static_cast<float>(7560 - w.epiDist[i]);
  return out;
}

struct Arrival {
  int station, pS;
  float pX;
  int sS;
  float sX;
  double pEnvelope, sEnvelope;
};

constexpr Arrival kArrivals[] = {
    {0, 680, 580, 1360, 920, 52.3, 296.0},   {1, 860, 670, 1700, 1090, 41.4, 235.7},
    {2, 1080, 780, 2160, 1320, 32.8, 185.3}, {3, 1340, 910, 2680, 1580, 26.4, 149.4},
    {4, 1620, 1050, 3240, 1860, 21.9, 123.8},
};

TEST_F(EarthquakeRun, ArrivalsAndEnvelopesOfTheDesignLayout) {
  w.Command2_Click();
  runToEnd();
  const auto t = traces(record, w);
  for (const auto& a : kArrivals) {
    const Trace& tr = t[static_cast<size_t>(a.station)];
    const size_t p = tr.firstMoving(), s = static_cast<size_t>(a.sS / 20);
    EXPECT_EQ(p * 20, static_cast<size_t>(a.pS)) << a.station;
    EXPECT_FLOAT_EQ(tr.segments[p].x2, a.pX) << a.station;
    EXPECT_FLOAT_EQ(tr.segments[s].x2, a.sX) << a.station;
    EXPECT_NEAR(std::fabs(tr.offset(p) / Trace::sinAt(p)), a.pEnvelope, 0.05) << a.station;
    EXPECT_NEAR(std::fabs(tr.offset(s) / Trace::sinAt(s)), a.sEnvelope, 0.05) << a.station;
    // The tick before the S arrival is still preliminary tremor: eight times smaller.
    const double before = std::fabs(tr.offset(s - 1) / Trace::sinAt(s - 1));
    EXPECT_NEAR(before * 8 * std::sqrt(static_cast<double>(s - 1) / static_cast<double>(s)),
                a.sEnvelope, 0.05)
        << a.station;
    // Every segment starts where the one before ended.
    for (size_t k = 1; k < tr.segments.size(); ++k)
      ASSERT_FLOAT_EQ(tr.segments[k].y1, tr.segments[k - 1].y2) << a.station << " tick " << k;
  }
}

TEST_F(EarthquakeRun, RunLastsFourHundredTenTicksAndTracesEndShortOfTheAxis) {
  w.Command2_Click();
  EXPECT_EQ(runToEnd() + 1, kTicksPerRun);
  EXPECT_EQ(w.sFront, 8200);
  const auto t = traces(record, w);
  for (const auto& tr : t) {
    ASSERT_EQ(tr.segments.size(), static_cast<size_t>(kTicksPerRun));
    EXPECT_FLOAT_EQ(tr.segments.back().x2, 4330);
    EXPECT_EQ(tr.segments.back().color, ui::paletteColor(observe::kTraceColour));
  }
  // Section rings while S < 6397.85: S = 0 .. 6380, two a tick.
  EXPECT_EQ(of(section, ui::DrawOp::Circle).size(), 2u * 320);
  EXPECT_FLOAT_EQ(of(section, ui::DrawOp::Circle).back().r, 6380);
}

TEST_F(EarthquakeRun, FirstTickDrawsPointRingsAndFlatSegmentsLeftOfTheAxis) {
  w.Command2_Click();
  const auto circles = of(section, ui::DrawOp::Circle);
  ASSERT_EQ(circles.size(), 2u);
  EXPECT_EQ(circles[0].color, ui::paletteColor(observe::kPFrontColour));
  EXPECT_EQ(circles[1].color, ui::paletteColor(observe::kSFrontColour));
  for (const auto& c : circles) {
    EXPECT_FLOAT_EQ(c.r, 0);
    EXPECT_FLOAT_EQ(c.x1, 1087.5f);
    EXPECT_FLOAT_EQ(c.y1, 1207.5f);
    EXPECT_EQ(c.fill, observe::kSectionBack);
  }
  EXPECT_TRUE(of(plan, ui::DrawOp::Circle).empty());  // the fronts are still underground
  const auto lines = of(record, ui::DrawOp::Line);
  ASSERT_EQ(lines.size(), 5u);
  for (size_t i = 0; i < 5; ++i) {
    EXPECT_FLOAT_EQ(lines[i].x1, 230);
    EXPECT_FLOAT_EQ(lines[i].x2, 240);
    EXPECT_FLOAT_EQ(lines[i].y1, static_cast<float>(7560 - w.epiDist[i]));
    EXPECT_FLOAT_EQ(lines[i].y2, lines[i].y1);
  }
  EXPECT_EQ(w.sFront, 20);
}

TEST_F(EarthquakeRun, PlanRingsStartWhenEachFrontReachesTheSurface) {
  w.Command2_Click();
  runToEnd();
  // Depth 1207.5: the P ring from S = 620 (2S >= depth), the S ring from S = 1220.
  const auto circles = of(plan, ui::DrawOp::Circle);
  ASSERT_FALSE(circles.empty());
  EXPECT_EQ(circles[0].color, ui::paletteColor(observe::kPFrontColour));
  EXPECT_NEAR(circles[0].r, std::sqrt(1240.0 * 1240 - 1207.5 * 1207.5), 1e-2);
  EXPECT_FLOAT_EQ(circles[0].x1, 1087.5f);
  EXPECT_FLOAT_EQ(circles[0].y1, 3615);
  EXPECT_EQ(circles[0].fill, observe::kPlanBack);
  const size_t pOnly = (1220 - 620) / 20;
  for (size_t k = 0; k < pOnly; ++k)
    ASSERT_EQ(circles[k].color, ui::paletteColor(observe::kPFrontColour)) << k;
  EXPECT_EQ(circles[pOnly + 1].color, ui::paletteColor(observe::kSFrontColour));
  EXPECT_NEAR(circles[pOnly + 1].r, std::sqrt(1220.0 * 1220 - 1207.5 * 1207.5), 1e-2);
  EXPECT_EQ(circles.size(), pOnly + 2 * (static_cast<size_t>(kTicksPerRun) - 61));
}

struct SizeCase {
  int item;  // in the size list
  double scale;
};

class RunSize : public Kansoku, public ::testing::WithParamInterface<SizeCase> {};

TEST_P(RunSize, SizeScalesTheTracesButNotTheArrivals) {
  w.Command2_Click();
  runToEnd();
  const auto medium = traces(record, w);
  w.mag.pick(GetParam().item);
  record.ops.clear();
  w.Command2_Click();
  runToEnd();
  const auto other = traces(record, w);
  for (size_t i = 0; i < 5; ++i) {
    EXPECT_EQ(other[i].firstMoving(), medium[i].firstMoving());
    for (size_t k = 0; k < medium[i].segments.size(); ++k)
      ASSERT_NEAR(other[i].offset(k), GetParam().scale * medium[i].offset(k), 1e-3) << i << " " << k;
  }
}

INSTANTIATE_TEST_SUITE_P(Sizes, RunSize, ::testing::Values(SizeCase{2, 1.5}, SizeCase{0, 0.5}));

TEST_F(EarthquakeRun, StationOnTheEpicentreWritesAlongTheTimeAxis) {
  clickLabel(w.nobj[0]);
  moveTo(w.map1, 1070, 3597.5f);  // marker centre on the surface line above the hypocentre
  clickAt(w.map1, 1070, 3597.5f);
  w.Command2_Click();
  runToEnd();
  EXPECT_DOUBLE_EQ(w.epiDist[0], 0);
  EXPECT_DOUBLE_EQ(w.hypoDist[0], 1207.5);
  const auto t = traces(record, w);
  EXPECT_FLOAT_EQ(t[0].segments[0].y1, 7560);
  EXPECT_EQ(t[0].firstMoving() * 20, 620u);  // before any other station
  EXPECT_LT(t[0].firstMoving(), t[1].firstMoving());
}

TEST_F(EarthquakeRun, SetOffDuringARunStartsAgainFromTheBeginning) {
  w.Command2_Click();
  for (int k = 0; k < 50; ++k) w.Timer1.tick();
  plan.ops.clear(), section.ops.clear(), record.ops.clear();
  w.Command2_Click();
  for (auto* sink : {&plan, &section, &record}) {
    ASSERT_FALSE(sink->ops.empty());
    EXPECT_EQ(sink->ops[0].kind, ui::DrawOp::Clear);
  }
  EXPECT_EQ(w.sFront, 20);
  EXPECT_FLOAT_EQ(of(record, ui::DrawOp::Line)[0].x1, 230);
  EXPECT_EQ(runToEnd() + 1, kTicksPerRun);
}

TEST_F(EarthquakeRun, PausedTwiceThenRestartedContinuesTheSameRun) {
  w.Command2_Click();
  runToEnd();
  const auto whole = of(record, ui::DrawOp::Line);
  record.ops.clear();
  w.Command2_Click();
  for (int k = 0; k < 30; ++k) w.Timer1.tick();
  w.Command3.click();
  w.Command3.click();
  EXPECT_TRUE(w.Command3.visible() && w.Command4.visible() && w.objido.visible());
  w.Timer1.tick();  // a paused timer does not tick
  EXPECT_EQ(w.sFront, 31 * 20);
  w.Command4.click();
  EXPECT_TRUE(w.Timer1.enabled());
  EXPECT_FALSE(w.Command4.visible() || w.objido.visible());
  runToEnd();
  const auto resumed = of(record, ui::DrawOp::Line);
  ASSERT_EQ(resumed.size(), whole.size());
  for (size_t n = 0; n < whole.size(); ++n) ASSERT_FLOAT_EQ(resumed[n].y2, whole[n].y2) << n;
}

TEST_F(EarthquakeRun, RestartBeforeAnySetOffDoesNothing) {
  w.Command4_Click();
  EXPECT_FALSE(w.Timer1.enabled());
  EXPECT_TRUE(w.objido.visible());
  EXPECT_TRUE(record.ops.empty());
}

}  // namespace
}  // namespace observe_test
