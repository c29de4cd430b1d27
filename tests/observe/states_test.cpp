// The window's four states (Idle, Running, Paused, Finished), every move
// between them, and the settings lists, which refuse changes during a run.
#include <gtest/gtest.h>

#include <cctype>
#include <functional>
#include <string>

#include "kansoku_fixture.h"

namespace observe_test {
namespace {

enum class State { Idle, Running, Paused, Finished };

using States = Kansoku;

// The state is read off the timer and what is shown, as the pupil sees it.
struct Shown {
  bool timer, pause, restart, print, hint;
  bool operator==(const Shown&) const = default;
};

Shown expected(State s) {
  switch (s) {
    case State::Idle: return {false, false, false, false, true};
    case State::Running: return {true, true, false, false, false};
    case State::Paused: return {false, true, true, false, true};
    case State::Finished: return {false, false, false, true, true};
  }
  return {};
}

Shown shown(const observe::frm_Kansoku& w) {
  return {w.Timer1.enabled(), w.Command3.visible(), w.Command4.visible(), w.Command5.visible(),
          w.objido.visible()};
}

void reach(Kansoku& k, State s) {
  if (s == State::Idle) return;
  k.w.Command2.click();
  if (s == State::Paused) k.w.Command3.click();
  if (s == State::Finished) k.runToEnd();
}

struct Transition {
  const char* name;
  State from;
  std::function<void(Kansoku&)> act;
  State to;
};

const Transition kTransitions[] = {
    {"set off from idle", State::Idle, [](Kansoku& k) { k.w.Command2.click(); }, State::Running},
    {"set off again while running", State::Running, [](Kansoku& k) { k.w.Command2.click(); }, State::Running},
    {"set off from paused", State::Paused, [](Kansoku& k) { k.w.Command2.click(); }, State::Running},
    {"set off from finished", State::Finished, [](Kansoku& k) { k.w.Command2.click(); }, State::Running},
    {"pause", State::Running, [](Kansoku& k) { k.w.Command3.click(); }, State::Paused},
    {"restart", State::Paused, [](Kansoku& k) { k.w.Command4.click(); }, State::Running},
    {"run ends", State::Running, [](Kansoku& k) { k.runToEnd(); }, State::Finished},
    {"size while paused", State::Paused, [](Kansoku& k) { k.w.mag.pick(2); }, State::Idle},
    {"speed while paused", State::Paused, [](Kansoku& k) { k.w.speed.pick(0); }, State::Idle},
    {"size when finished", State::Finished, [](Kansoku& k) { k.w.mag.pick(0); }, State::Idle},
    {"speed when finished", State::Finished, [](Kansoku& k) { k.w.speed.pick(2); }, State::Idle},
    {"station picked up while paused", State::Paused, [](Kansoku& k) { k.clickLabel(k.w.nobj[1]); }, State::Idle},
    {"hypocentre picked up when finished", State::Finished, [](Kansoku& k) { k.clickLabel(k.w.nfoc); }, State::Idle},
    {"size refused while running", State::Running, [](Kansoku& k) { k.w.mag.pick(2); }, State::Running},
    {"speed refused while running", State::Running, [](Kansoku& k) { k.w.speed.pick(0); }, State::Running},
    {"pick-up refused while running", State::Running, [](Kansoku& k) { k.clickLabel(k.w.nobj[0]); }, State::Running},
    {"pause twice", State::Paused, [](Kansoku& k) { k.w.Command3.click(); }, State::Paused},
};

class StateTable : public Kansoku, public ::testing::WithParamInterface<Transition> {};

TEST_P(StateTable, ButtonsAndTimerFollowTheTable) {
  const Transition& t = GetParam();
  reach(*this, t.from);
  ASSERT_EQ(shown(w), expected(t.from));
  t.act(*this);
  EXPECT_EQ(shown(w), expected(t.to));
  EXPECT_TRUE(w.Command2.visible() && w.Command1.visible());
}

INSTANTIATE_TEST_SUITE_P(All, StateTable, ::testing::ValuesIn(kTransitions),
                         [](const auto& row) {
                           std::string n;
                           for (char c : std::string(row.param.name))
                             n += std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
                           return n;
                         });

TEST_F(States, FreshWindowShowsMediumForBothLists) {
  EXPECT_EQ(shown(w), expected(State::Idle));
  EXPECT_EQ(w.mag.text(), "中");
  EXPECT_EQ(w.speed.text(), "中");
  EXPECT_EQ(w.magnitude, 2);
  EXPECT_EQ(w.Timer1.interval(), 20);
}

TEST_F(States, SettingsRefusedDuringARunAreSetBack) {
  w.mag.pick(2);  // 大 before the run
  w.Command2.click();
  w.mag.pick(0);
  EXPECT_EQ(w.mag.text(), "大");
  EXPECT_EQ(w.magnitude, 3);
  w.speed.pick(2);
  EXPECT_EQ(w.speed.text(), "中");
  EXPECT_EQ(w.Timer1.interval(), 20);
}

struct ListText {
  const char* typed;
  int magnitude, interval;
};

class TypedText : public Kansoku, public ::testing::WithParamInterface<ListText> {};

TEST_P(TypedText, IsReadByTheListRule) {
  w.mag.type(GetParam().typed);
  w.speed.type(GetParam().typed);
  EXPECT_EQ(w.magnitude, 2);  // typing alone changes nothing
  w.speed_Click();
  EXPECT_EQ(w.Timer1.interval(), GetParam().interval);
  w.Command2.click();  // the size is read at set-off
  EXPECT_EQ(w.magnitude, GetParam().magnitude);
}

INSTANTIATE_TEST_SUITE_P(Texts, TypedText,
                         ::testing::Values(ListText{"大", 3, 50}, ListText{"中", 2, 20},
                                           ListText{"小", 1, 50}, ListText{"速", 1, 10},
                                           ListText{"遅", 1, 50}, ListText{"", 1, 50},
                                           ListText{"大きい", 1, 50}, ListText{" 中", 1, 50}));

TEST_F(States, ReopeningRestoresTheDesignLayoutAndSettings) {
  w.mag.pick(2);
  w.speed.pick(0);
  clickLabel(w.nobj[0]);
  moveTo(w.map1, 4000, 400);
  w.Command2.click();
  w.Command1.click();
  EXPECT_FALSE(w.loaded());
  EXPECT_EQ(w.magnitude, 3);  // fields keep their values while closed
  open();
  EXPECT_EQ(w.magnitude, 2);
  EXPECT_EQ(w.sFront, 0);
  EXPECT_EQ(w.Timer1.interval(), 20);
  EXPECT_FALSE(w.Timer1.enabled());
  EXPECT_FLOAT_EQ(w.obs[0].left(), 1020);
  EXPECT_FLOAT_EQ(w.n_obj[0].top(), 6837.5f);
  EXPECT_EQ(shown(w), expected(State::Idle));
}

}  // namespace
}  // namespace observe_test
