// The observation lesson with the keys alone: the tab order, a run set up
// and finished by keys ending exactly as the same clicks and pointer moves
// do, keys refused during a run, the keyboard pointer and the names and
// announcements assistive technology gets.
#include <gtest/gtest.h>

#include <sstream>

#include "kansoku_fixture.h"
#include "observe/colours.h"

namespace observe_test {
namespace {

using ui::Key;

struct KeyboardRun : Kansoku {
  ui::Keyboard& keys() { return w.keyboard(); }
  void press(Key k, int shift = 0) { keys().press(k, shift); }
  void tabTo(const ui::Control& c) {
    for (int n = 0; n < 20 && keys().focused() != &c; ++n) press(Key::Tab);
    ASSERT_EQ(keys().focused(), &c) << c.name();
  }
};

// Everything a pupil can see of the window, and the fields a report reads.
std::string state(const observe::frm_Kansoku& k) {
  std::ostringstream out;
  for (const ui::Control* c : k.controls()) {
    out << c->name() << c->index() << ' ' << c->left() << ',' << c->top() << ' ' << c->visible();
    if (auto* s = dynamic_cast<const ui::Shape*>(c)) out << " fill " << s->fillColor();
    if (auto* l = dynamic_cast<const ui::Line*>(c))
      out << " line " << l->x1() << ',' << l->y1() << ',' << l->x2() << ',' << l->y2();
    if (auto* z = dynamic_cast<const ui::Container*>(c)) out << " top " << z->children().back()->name();
    out << '\n';
  }
  out << k.sFront << ' ' << k.magnitude << ' ' << k.stationMoving << k.focMoving << k.Timer1.enabled();
  for (int i = 0; i < 5; ++i) out << ' ' << k.hypoDist[i] << ' ' << k.epiDist[i] << ' ' << k.lastAmp[i];
  return out.str();
}

std::string drawings(const ui::RecordingSink& s) {
  std::ostringstream out;
  for (const ui::DrawOp& op : s.ops)
    out << op.kind << ' ' << op.x1 << ' ' << op.y1 << ' ' << op.x2 << ' ' << op.y2 << ' ' << op.r
        << ' ' << op.color << ' ' << op.fill.value_or(0) << '\n';
  return out.str();
}

TEST_F(KeyboardRun, ARunByKeysEndsAsTheSameClicksAndMovesDo) {
  // The buttons and lists come first, the shown ones only, then A点 to E点 and 震源.
  EXPECT_EQ(keys().focused(), &w.mag);
  std::vector<std::string> visited;
  for (int n = 0; n < 10; ++n) {
    press(Key::Tab);
    visited.push_back(keys().accessibleName(*keys().focused()));
  }
  EXPECT_EQ(visited, (std::vector<std::string>{"ｼﾐｭﾚｰｼｮﾝの速度", "地震発生", "閉じる", "A点", "B点",
                                               "C点", "D点", "E点", "震源", "地震の大きさ"}));

  tabTo(w.nobj[1]);
  press(Key::Space);
  EXPECT_EQ(w.lastAnnouncement(), "B点を持ち上げました");
  EXPECT_EQ(keys().accessibleName(w.nobj[1]), "B点、持ち上げ中");
  for (int n = 0; n < 3; ++n) press(Key::Right);
  press(Key::Space);
  EXPECT_EQ(w.lastAnnouncement(), "B点を置きました");
  tabTo(w.nfoc);
  press(Key::Space);
  press(Key::Down);
  press(Key::Enter);
  tabTo(w.Command2);
  press(Key::Space);
  EXPECT_GT(runToEnd(), 400);
  EXPECT_EQ(w.lastAnnouncement(), "地震の記録が終わりました。「印刷」ボタンで結果を印刷できます。");
  // The keys did move both: B three grid units right, the hypocentre one down.
  EXPECT_FLOAT_EQ(w.nobj[1].left(), 1020 + 1800);
  EXPECT_FLOAT_EQ(w.foc.top(), 1130 + 600);

  // The same lesson by mouse, in a second window: the pointer starts where
  // a click on the label leaves the item and moves as the keys moved it.
  observe::frm_Kansoku m{app};
  ui::RecordingSink mPlan, mSection, mRecord;
  m.show();
  m.map1.surface().setSink(&mPlan);
  m.map2.surface().setSink(&mSection);
  m.kiroku.surface().setSink(&mRecord);
  clickLabel(m.nobj[1]);
  for (float x : {1670.0f, 2270.0f, 2870.0f}) moveTo(m.map1, x, 2400);
  clickLabel(m.nobj[1]);
  clickLabel(m.nfoc);
  moveTo(m.map2, 1080, 1780);
  clickLabel(m.nfoc);
  m.Command2.click();
  while (m.Timer1.enabled()) m.Timer1.tick();

  EXPECT_EQ(state(w), state(m));
  EXPECT_EQ(drawings(plan), drawings(mPlan));
  EXPECT_EQ(drawings(section), drawings(mSection));
  EXPECT_EQ(drawings(record), drawings(mRecord));
}

TEST_F(KeyboardRun, KeysOnMarkersAreRefusedDuringARun) {
  keys().setFocus(&w.nobj[0]);
  press(Key::Space);  // carried when the earthquake is set off
  press(Key::Right);
  const float left = w.nobj[0].left();
  keys().press(w.Command2, Key::Enter);
  ASSERT_TRUE(w.Timer1.enabled());
  EXPECT_EQ(keys().accessibleName(w.nobj[0]), "A点");  // released where it stood
  for (Key k : {Key::Right, Key::Down, Key::Escape}) EXPECT_FALSE(keys().press(k));
  EXPECT_FLOAT_EQ(w.nobj[0].left(), left);
  keys().setFocus(&w.nfoc);
  press(Key::Space);
  press(Key::Up);
  EXPECT_EQ(w.focMoving, "no");
  EXPECT_EQ(w.foc.fillColor(), observe::kFocusFill);
  EXPECT_FLOAT_EQ(w.foc.top(), 1140);
  EXPECT_TRUE(w.Command3.visible());
}

TEST_F(KeyboardRun, ThePointerStepsOnGridOrPixelAndStaysInItsView) {
  keys().setFocus(&w.nobj[0]);
  press(Key::Space);  // label (1020, 2950), marker 10 below it
  // Fine steps land on the label itself: both move by the step, keeping their offset.
  press(Key::Right, ui::kShiftKey);
  press(Key::Up, ui::kShiftKey);
  EXPECT_FLOAT_EQ(w.nobj[0].left(), 1035);
  EXPECT_FLOAT_EQ(w.nobj[0].top(), 2935);
  EXPECT_FLOAT_EQ(w.obs[0].top(), 2945);
  // Down lands on bare view: label and marker share the corner. A second
  // step would leave the plan view (3615 high) and is refused.
  press(Key::Down);
  press(Key::Down);
  EXPECT_FLOAT_EQ(w.nobj[0].top(), 3535);
  EXPECT_FLOAT_EQ(w.obs[0].top(), 3535);
  press(Key::Up);
  EXPECT_FLOAT_EQ(w.nobj[0].top(), 2935);
  // Up again lands on B's label: ignored, as the pointer passing over it is.
  // The pointer moves on all the same, so the next step takes A up and right.
  press(Key::Up);
  EXPECT_FLOAT_EQ(w.nobj[0].top(), 2935);
  press(Key::Right);
  EXPECT_FLOAT_EQ(w.nobj[0].left(), 1635);
  EXPECT_FLOAT_EQ(w.nobj[0].top(), 2335);
  // Moved by the mouse meanwhile, the item takes the pointer with it.
  moveTo(w.map1, 4000, 600);
  press(Key::Left);
  EXPECT_FLOAT_EQ(w.nobj[0].left(), 3950 - 600);
  EXPECT_FLOAT_EQ(w.nobj[0].top(), 550);
  press(Key::Escape);
  EXPECT_EQ(w.stationMoving, "no");
  EXPECT_FALSE(keys().press(Key::Left));  // put down: the arrows do nothing
}

TEST_F(KeyboardRun, ARunButtonHidingItselfHandsTheFocusToTheNextShownControl) {
  tabTo(w.Command2);
  press(Key::Space);
  tabTo(w.Command3);
  press(Key::Space);  // 一時停止 shows 再スタート after itself
  tabTo(w.Command4);
  press(Key::Space);  // 再スタート hides itself; 印刷 is hidden during a run
  EXPECT_EQ(keys().focused(), &w.Command1);
  // The end of a run hides 一時停止 before it shows 印刷.
  tabTo(w.Command3);
  runToEnd();
  EXPECT_EQ(keys().focused(), &w.Command1);
}

TEST_F(KeyboardRun, PickUpsByMouseAreNamedAndAnnouncedAsByKey) {
  clickLabel(w.nfoc);
  EXPECT_EQ(keys().accessibleName(w.nfoc), "震源、持ち上げ中");
  EXPECT_EQ(w.lastAnnouncement(), "震源を持ち上げました");
  // A click on another station's label puts the carried one down.
  clickLabel(w.nobj[2]);
  clickLabel(w.nobj[4]);
  EXPECT_EQ(w.lastAnnouncement(), "C点を置きました");
}

// A screen reader names each view by the words the pupil sees in it, and
// the record by the captions of its two axes, vertical first.
TEST_F(KeyboardRun, TheViewsAreNamedByTheirVisibleWords) {
  EXPECT_EQ(w.map1.accessibleName(), w.Label7.caption());
  EXPECT_EQ(w.map2.accessibleName(), w.Label8.caption());
  const std::string& name = w.kiroku.accessibleName();
  const size_t up = name.find(w.Label4.caption()), along = name.find(w.Label3.caption());
  EXPECT_NE(up, std::string::npos) << name;
  EXPECT_NE(along, std::string::npos) << name;
  EXPECT_LT(up, along) << name;
  EXPECT_EQ(w.Label4.container(), &w.kiroku);
  EXPECT_EQ(w.Label3.container(), &w.kiroku);
}

}  // namespace
}  // namespace observe_test
