// Each rule catches the fault it is there for: a program put into a broken
// state by hand must be reported, and the untouched program must not be.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>

#include "app/frmMain.h"
#include "observe/frm_Kansoku.h"
#include "record/frm_Kiroku.h"
#include "tests/fuzz/invariants.h"
#include "waves/frm_Pwave.h"

namespace {

struct Breakage {
  const char* name;
  std::function<void(fuzz::Program&)> breakIt;
  const char* reported;  // part of the fault text
};

void PrintTo(const Breakage& b, std::ostream* os) { *os << b.name; }

observe::frm_Kansoku& observation(fuzz::Program& p) {
  p.menu().Command5.click();
  return *p.menu().kansoku();
}

record::frm_Kiroku& record(fuzz::Program& p) {
  p.menu().Command4.click();
  return *p.menu().kiroku();
}

const Breakage kBreakages[] = {
    {"pause shown while idle", [](fuzz::Program& p) { observation(p).Command4.setVisible(true); }, "state table"},
    {"print shown while running",
     [](fuzz::Program& p) {
       auto& w = observation(p);
       w.Command2.click();
       w.Command5.setVisible(true);
     },
     "state table"},
    {"hypocentre above the surface", [](fuzz::Program& p) { observation(p).foc.move(0, -100); }, "depth"},
    {"run clock off its step", [](fuzz::Program& p) { observation(p).sFront = 30; }, "run clock"},
    {"carry flag neither yes nor no", [](fuzz::Program& p) { observation(p).focMoving = "maybe"; }, "carry flag"},
    {"particle off its band", [](fuzz::Program& p) {
       p.menu().Command2.click();
       p.menu().pwave()->Shape2[3].setTop(-5000);
     }, "left its band"},
    {"NaN place", [](fuzz::Program& p) {
       p.menu().Command2.click();
       p.menu().pwave()->Shape2[0].setLeft(std::nanf(""));
     }, "non-finite"},
    {"explanation out of order", [](fuzz::Program& p) { record(p).Label6.setVisible(true); }, "(4) shown before (3)"},
    {"trace off the strip", [](fuzz::Program& p) { record(p).surface().line(0, 0, 10, 10, 0); }, "off the strip"},
    {"too many drawings in one event", [](fuzz::Program& p) {
       auto& w = record(p);
       for (int i = 0; i < 300; ++i) w.surface().line(700, 1900, 720, 1900, 0);
     }, "drawing operations"},
    {"drawing into an unloaded window", [](fuzz::Program& p) {
       auto& w = observation(p);
       w.Command1.click();
       w.map1.surface().line(0, 0, 1, 1, 0);
     }, "unloaded window"},
    {"printer document never ended", [](fuzz::Program& p) { p.app().printer()->print("x"); }, "never ended"},
    {"two lessons at once", [](fuzz::Program& p) {
       observation(p).Command1.click();
       p.menu().Command2.click();
       p.menu().kansoku()->showModal(p.menu());
     }, "lesson windows loaded at once"},
};

class RuleCatches : public ::testing::TestWithParam<Breakage> {};

TEST_P(RuleCatches, BrokenStateIsReported) {
  fuzz::Program p;
  p.start();
  p.forget();
  GetParam().breakIt(p);
  fuzz::Step s;
  s.target = p.lesson();
  const fuzz::Faults faults = fuzz::checkAll(p, s);
  std::string all;
  for (const auto& f : faults) all += f + "\n";
  EXPECT_NE(all.find(GetParam().reported), std::string::npos) << "reported:\n" << all;
}

INSTANTIATE_TEST_SUITE_P(Breakages, RuleCatches, ::testing::ValuesIn(kBreakages),
                         [](const auto& row) {
                           std::string n = row.param.name;
                           for (char& c : n) if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
                           return n;
                         });

TEST(RuleCatches, UntouchedProgramPasses) {
  fuzz::Program p;
  p.start();
  for (ui::Button* b : {&p.menu().Command2, &p.menu().Command4, &p.menu().Command5}) {
    b->click();
    fuzz::Step s;
    s.target = p.lesson();
    EXPECT_TRUE(fuzz::checkAll(p, s).empty()) << b->caption();
    p.lesson()->closeBox();
    p.forget();
  }
}

}  // namespace
