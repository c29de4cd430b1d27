// Long runs: every animation ticked a million times stays bounded (phases in
// [0, 2π), particles and lines on their bands, the record's pen and the
// observation clock within their counters), and a thousand observation runs
// in a row give the same distances, record and report page every time.
#include <gtest/gtest.h>

#include <array>
#include <functional>

#include "app/frmMain.h"
#include "observe/frm_Kansoku.h"
#include "record/frm_Kiroku.h"
#include "tests/fuzz/invariants.h"
#include "tests/fuzz/rules.h"

namespace {

constexpr int kTicks = 1'000'000;
// The whole program is checked this often; the window's own rules every tick.
constexpr int kFullCheckEvery = 997;

// Opens a lesson from the menu and ticks its timer, calling between() after
// every tick; fails at the first broken rule.
void tickMillionTimes(ui::Button& menuButton, fuzz::Program& p,
                      const std::function<void(ui::Form&)>& between = {}) {
  menuButton.click();
  ui::Form* w = p.lesson();
  ASSERT_NE(w, nullptr);
  ASSERT_EQ(w->timers().size(), 1u);
  ui::Timer& t = *w->timers().front();
  std::vector<const fuzz::WindowRule*> rules;
  for (const fuzz::WindowRule* r : fuzz::windowRules())
    if (r->owns(*w)) rules.push_back(r);
  fuzz::Step s;
  s.target = w;
  s.tick = true;
  for (int i = 0; i < kTicks; ++i) {
    t.tick();
    if (between) between(*w);
    fuzz::Faults out;
    if (i % kFullCheckEvery == 0) {
      out = fuzz::checkAll(p, s);
    } else {
      for (const fuzz::WindowRule* r : rules) r->check(p, *w, s, out);
    }
    p.forget();
    ASSERT_TRUE(out.empty()) << w->style().caption << " after tick " << i << ": " << out.front();
  }
  w->closeBox();
}

struct Lesson {
  const char* name;
  ui::Button app::frmMain::*button;
};

void PrintTo(const Lesson& l, std::ostream* os) { *os << l.name; }

class MillionTicks : public ::testing::TestWithParam<Lesson> {};

TEST_P(MillionTicks, StaysBounded) {
  fuzz::Program p;
  p.start();
  app::frmMain& m = p.menu();
  tickMillionTimes(m.*(GetParam().button), p, [](ui::Form& f) {
    // The record and the observation run end by themselves: start them
    // again at once, so the million ticks are all drawing ticks.
    if (auto* r = dynamic_cast<record::frm_Kiroku*>(&f); r && !r->Timer1.enabled()) r->Command2.click();
    if (auto* o = dynamic_cast<observe::frm_Kansoku*>(&f); o && !o->Timer1.enabled()) o->Command2.click();
  });
}

INSTANTIATE_TEST_SUITE_P(Lessons, MillionTicks,
                         ::testing::Values(Lesson{"Pwave", &app::frmMain::Command2},
                                           Lesson{"Swave", &app::frmMain::Command1},
                                           Lesson{"Wave", &app::frmMain::Command3},
                                           Lesson{"Wave2", &app::frmMain::Command6},
                                           Lesson{"Kiroku", &app::frmMain::Command4},
                                           Lesson{"Kansoku", &app::frmMain::Command5}),
                         [](const auto& row) { return std::string(row.param.name); });

// What one observation run leaves: distances, the record's drawing and the
// printed page, compared as a whole.
struct RunOutcome {
  std::array<double, 5> hypoDist{}, epiDist{};
  std::vector<ui::DrawOp> record;
  std::vector<ui::PrintedPage> pages;
  int ticks = 0;
};

bool sameOps(const std::vector<ui::DrawOp>& a, const std::vector<ui::DrawOp>& b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i)
    if (a[i].kind != b[i].kind || a[i].surface != b[i].surface || a[i].x1 != b[i].x1 || a[i].y1 != b[i].y1 ||
        a[i].x2 != b[i].x2 || a[i].y2 != b[i].y2 || a[i].r != b[i].r || a[i].color != b[i].color)
      return false;
  return true;
}

bool samePages(const std::vector<ui::PrintedPage>& a, const std::vector<ui::PrintedPage>& b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    const auto &x = a[i].ops, &y = b[i].ops;
    if (x.size() != y.size()) return false;
    for (std::size_t j = 0; j < x.size(); ++j)
      if (x[j].kind != y[j].kind || x[j].x1 != y[j].x1 || x[j].y1 != y[j].y1 || x[j].x2 != y[j].x2 ||
          x[j].y2 != y[j].y2 || x[j].r != y[j].r || x[j].text != y[j].text || x[j].fontName != y[j].fontName ||
          x[j].fontSize != y[j].fontSize)
        return false;
  }
  return true;
}

RunOutcome observeOnce(fuzz::Program& p, observe::frm_Kansoku& w) {
  RunOutcome o;
  std::vector<ui::DrawOp> all;
  p.forget();
  w.Command2.click();
  all = p.sink.ops;
  while (w.Timer1.enabled() && o.ticks < 100000) {
    p.forget();
    w.Timer1.tick();
    ++o.ticks;
    all.insert(all.end(), p.sink.ops.begin(), p.sink.ops.end());
  }
  for (const ui::DrawOp& op : all)
    if (op.surface == &w.kiroku.surface()) o.record.push_back(op);
  p.forget();
  w.Command5.click();
  o.pages = p.pages;
  o.hypoDist = w.hypoDist;
  o.epiDist = w.epiDist;
  return o;
}

TEST(ObservationRuns, ThousandRunsInARowAreIdentical) {
  fuzz::Program p;
  p.start();
  p.menu().Command5.click();
  auto& w = *p.menu().kansoku();
  // A station moved off the column and the hypocentre moved deeper, so the
  // distances are not the layout's round figures.
  w.nobj[2].click();
  w.map1.mouseMove({}, 3210.5f, 1400.25f);
  w.nobj[2].click();
  w.mag.pick(2);
  const RunOutcome first = observeOnce(p, w);
  EXPECT_EQ(first.ticks, 409);  // plus the one at set-off: 410
  ASSERT_EQ(first.pages.size(), 1u);
  EXPECT_GT(first.pages.front().ops.size(), 5u * 458u);
  for (int run = 1; run < 1000; ++run) {
    const RunOutcome o = observeOnce(p, w);
    ASSERT_EQ(o.hypoDist, first.hypoDist) << "run " << run;
    ASSERT_EQ(o.epiDist, first.epiDist) << "run " << run;
    ASSERT_EQ(o.ticks, first.ticks) << "run " << run;
    ASSERT_TRUE(sameOps(o.record, first.record)) << "record differs in run " << run;
    ASSERT_TRUE(samePages(o.pages, first.pages)) << "report page differs in run " << run;
  }
}

}  // namespace
