// Which item the arrow keys pick in an editable list, and where the focus
// goes when a window opens and when a focused control is hidden: decided in
// the window layer for every host.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ui/form.h"

namespace {

struct ListWindow : ui::Form {
  explicit ListWindow(ui::Application& a) : ui::Form(a, {"lists", 3000, 2000}) {}
  ui::ComboBox list;
  ui::Button first, second, third;
  std::vector<std::string> clicked;

  void design() override {
    add(list, "list", {0, 0, 600, 300}).setItems({"速", "中", "遅"});
    list.setText("中");
    list.onClick = [this] { clicked.push_back(list.text()); };
    // Tab indexes put the buttons before the list, third first.
    add(first, "first", {0, 400, 900, 300}).setTabIndex(1);
    add(second, "second", {0, 800, 900, 300}).setTabIndex(2);
    add(third, "third", {0, 1200, 900, 300}).setTabIndex(0);
  }
};

struct Lists : ::testing::Test {
  ui::Application app;
  ListWindow w{app};
  void SetUp() override { w.show(); }
};

TEST_F(Lists, ArrowsStepFromTheLastItemTheTextWasAlsoUnderTypedText) {
  struct Row {
    const char* what;
    std::vector<std::string> before;  // "=x" the program sets x, "+n" picks n, else typed
    int direction;
    int target;
  };
  const std::vector<Row> rows = {
      {"the item shown", {}, +1, 2},
      {"the item shown, up", {}, -1, 0},
      {"typed text that is no item", {"てきとう"}, +1, 2},
      {"typed text after a pick", {"+0", "ちがう"}, +1, 1},
      {"typed text after a pick, up", {"+2", "ちがう"}, -1, 1},
      {"an item typed", {"遅", "x"}, -1, 1},
      {"an item set by the program", {"=速", "y"}, +1, 1},
      {"past the last item", {"+2", "z"}, +1, -1},
      {"past the first item", {"+0"}, -1, -1},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.what);
    w.unload();
    w.show();
    for (const std::string& s : row.before) {
      if (s[0] == '=') w.list.setText(s.substr(1));
      else if (s[0] == '+') w.list.pick(s[1] - '0');
      else w.list.type(s);
    }
    EXPECT_EQ(w.list.stepTarget(row.direction), row.target);
    const std::string text = w.list.text();
    w.clicked.clear();
    w.list.step(row.direction);
    if (row.target < 0) {
      EXPECT_EQ(w.list.text(), text);  // nothing picked, the typed text stays
      EXPECT_TRUE(w.clicked.empty());
    } else {
      EXPECT_EQ(w.clicked, std::vector<std::string>{w.list.items()[static_cast<size_t>(row.target)]});
      EXPECT_EQ(w.list.selected(), row.target);
    }
  }
}

TEST_F(Lists, WithNoItemSelectedDownPicksTheFirstAndUpTheLast) {
  w.list.setItems({"a", "b", "c"});  // the text 中 is none of them
  EXPECT_EQ(w.list.selected(), -1);
  EXPECT_EQ(w.list.stepTarget(+1), 0);
  EXPECT_EQ(w.list.stepTarget(-1), 2);
  w.list.setItems({});
  EXPECT_EQ(w.list.stepTarget(+1), -1);
}

// A wheel turned to scroll past a list leaves its setting alone: only the
// focused list steps, towards the pupil down the list.
TEST(ListWheel, OnlyTheFocusedListStepsAndInTheWheelsDirection) {
  EXPECT_EQ(ui::wheelStep(120, false), 0);
  EXPECT_EQ(ui::wheelStep(120, true), 1);
  EXPECT_EQ(ui::wheelStep(-3.5, true), -1);
  EXPECT_EQ(ui::wheelStep(0, true), 0);
}

TEST_F(Lists, AWindowOpensOnItsFirstShownControlInTabOrder) {
  ui::Keyboard& keys = w.keyboard();
  EXPECT_EQ(keys.first(), &w.third);
  EXPECT_EQ(keys.focused(), &w.third);
  w.unload();
  w.show();
  w.third.setVisible(false);
  EXPECT_EQ(keys.first(), &w.first);
}

TEST_F(Lists, AFocusedControlHiddenHandsTheFocusOnToTheNextShownOne) {
  ui::Keyboard& keys = w.keyboard();
  keys.setFocus(&w.first);
  w.second.setVisible(false);
  w.first.setVisible(false);  // second is hidden: on to the list
  EXPECT_EQ(keys.focused(), &w.list);
  EXPECT_EQ(keys.after(w.first), &w.list);
  // Shown again, first does not take the focus back.
  w.first.setVisible(true);
  EXPECT_EQ(keys.focused(), &w.list);
  // The last control of the order hands it round to the start.
  w.list.setVisible(false);
  EXPECT_EQ(keys.focused(), &w.third);
  // A window with nothing else shown loses it.
  w.first.setVisible(false);
  w.third.setVisible(false);
  EXPECT_EQ(keys.focused(), nullptr);
  EXPECT_EQ(keys.after(w.third), nullptr);
}

}  // namespace
