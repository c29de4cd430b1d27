// The main menu: version line, keyboard order, lessons opened modally over
// it, and shutting down newest first.
#include <gtest/gtest.h>

#include <functional>

#include "app/Module1.h"
#include "waves/frm_Pwave.h"

namespace {

struct Menu : ::testing::Test {
  ui::Application app;
  app::Module1 module{app};
  app::frmMain* menu = nullptr;
  void SetUp() override {
    module.Main();
    menu = module.mainForm();
  }
};

TEST_F(Menu, StartShowsTheMenuWithItsVersionLine) {
  ASSERT_NE(menu, nullptr);
  EXPECT_TRUE(menu->visible());
  EXPECT_EQ(app.formCount(), 1);
  EXPECT_EQ(menu->lblVersion.caption(), "ﾊﾞｰｼﾞｮﾝ 1.4.0");
  EXPECT_EQ(menu->style().caption, "Zemlox");
}

TEST_F(Menu, RecordButtonComesFirstAndQuitLastInTheKeyboardOrder) {
  std::vector<std::pair<int, std::string>> order;
  for (ui::Control* c : menu->controls())
    if (c->tabIndex() >= 0) order.emplace_back(c->tabIndex(), c->name());
  std::sort(order.begin(), order.end());
  std::vector<std::string> names;
  for (auto& [i, n] : order) names.push_back(n);
  EXPECT_EQ(names, (std::vector<std::string>{"Command4", "Command2", "Command1", "Command3",
                                             "Command6", "Command5", "Command9"}));
}

TEST_F(Menu, EachLessonOpensModallyAndTheMenuTakesNoInputMeanwhile) {
  using Click = void (app::frmMain::*)();
  for (Click open : {&app::frmMain::Command2_Click, &app::frmMain::Command1_Click,
                     &app::frmMain::Command3_Click, &app::frmMain::Command6_Click,
                     &app::frmMain::Command4_Click, &app::frmMain::Command5_Click}) {
    std::invoke(open, menu);
    ASSERT_EQ(app.formCount(), 2);
    ui::Form& lesson = app.form(1);
    EXPECT_EQ(lesson.modalOwner(), menu);
    EXPECT_FALSE(menu->acceptsInput());
    menu->Command5.click();  // ignored: a second lesson never opens
    EXPECT_EQ(app.formCount(), 2);
    lesson.closeBox();
    EXPECT_EQ(app.formCount(), 1);
    EXPECT_TRUE(menu->acceptsInput());
  }
}

TEST_F(Menu, ReopeningALessonReusesItsInstanceAndReloadsIt) {
  menu->Command2.click();
  waves::frm_Pwave* first = menu->pwave();
  ASSERT_NE(first, nullptr);
  first->Timer1.tick();
  first->Command1.click();
  menu->Command2.click();
  EXPECT_EQ(menu->pwave(), first);
  EXPECT_EQ(first->Shape2[0].left(), 360);
  EXPECT_EQ(first->phase(), 0.0);
}

TEST_F(Menu, QuitUnloadsEveryOtherWindowNewestFirst) {
  struct Spy : ui::Form {
    Spy(ui::Application& a, std::vector<std::string>& log, std::string n)
        : ui::Form(a, {n, 100, 100}), log_(log), name_(std::move(n)) {}
    void design() override {}
    void Form_Unload() override { log_.push_back(name_); }
    std::vector<std::string>& log_;
    std::string name_;
  };
  std::vector<std::string> log;
  Spy a(app, log, "a"), b(app, log, "b");
  a.load();
  b.load();
  menu->Command9.click();
  EXPECT_EQ(log, (std::vector<std::string>{"b", "a"}));
  EXPECT_EQ(app.formCount(), 0);
}

TEST_F(Menu, CloseBoxEndsTheProgramLikeQuitEvenWithOnlyTheMenuLoaded) {
  menu->closeBox();
  EXPECT_EQ(app.formCount(), 0);
  EXPECT_FALSE(menu->loaded());
}

}  // namespace
