// Contracts of the window layer that every lesson relies on: loading and
// reloading, fields across unloads, timers, modal owners, z-order and mouse
// routing, drawing surfaces.
#include <gtest/gtest.h>

#include "ui/form.h"

namespace {

class TestWindow : public ui::Form {
 public:
  explicit TestWindow(ui::Application& app, std::string caption = "test")
      : ui::Form(app, {std::move(caption), 3000, 2000}) {}

  ui::Label label, upper;
  ui::Button button;
  ui::PictureBox box;
  ui::Label boxLabel, boxLabelOnTop;
  ui::Timer timer;

  int loads = 0, unloads = 0, clicks = 0, ticks = 0, boxMoves = 0, labelClicks = 0;
  float lastX = 0, lastY = 0;
  std::string lastTarget;
  std::function<void()> onUnload;

 protected:
  void design() override {
    add(label, "label", {100, 100, 500, 200}).setCaption("layout");
    add(upper, "upper", {400, 100, 500, 200}).setCaption("upper");
    add(button, "button", {100, 400, 800, 300}).onClick = [this] { ++clicks; };
    add(box, "box", {1000, 1000, 1500, 900});
    add(boxLabel, "boxLabel", {100, 100, 400, 200}, &box, 0);
    add(boxLabelOnTop, "boxLabel", {300, 150, 400, 200}, &box, 1);
    box.onMouseMove = [this](ui::MouseState, float x, float y) { hit("box", x, y); ++boxMoves; };
    boxLabel.onMouseMove = [this](ui::MouseState, float x, float y) { hit("label0", x, y); };
    boxLabelOnTop.onMouseMove = [this](ui::MouseState, float x, float y) { hit("label1", x, y); };
    boxLabel.onClick = [this] { ++labelClicks; lastTarget = "click0"; };
    boxLabelOnTop.onClick = [this] { ++labelClicks; lastTarget = "click1"; };
    addTimer(timer, "timer", 50, true).onTimer = [this] { ++ticks; };
  }
  void Form_Load() override { ++loads; }
  void Form_Unload() override {
    ++unloads;
    if (onUnload) onUnload();
  }

 private:
  void hit(const char* target, float x, float y) {
    lastTarget = target;
    lastX = x;
    lastY = y;
  }
};

TEST(WindowLifecycle, ReloadRebuildsControlsFromLayoutAndRunsFormLoadAgain) {
  ui::Application app;
  TestWindow w(app);
  w.load();
  EXPECT_EQ(w.loads, 1);
  w.label.setCaption("changed");
  w.label.move(7, 8);
  w.button.setVisible(false);
  w.unload();
  EXPECT_FALSE(w.label.exists());
  EXPECT_TRUE(w.controls().empty());
  w.load();
  EXPECT_EQ(w.loads, 2);
  EXPECT_EQ(w.label.caption(), "layout");
  EXPECT_EQ(w.label.left(), 100);
  EXPECT_TRUE(w.button.visible());
  EXPECT_TRUE(w.label.exists());
}

TEST(WindowLifecycle, FieldsSurviveUnloadWhileTimersStop) {
  ui::Application app;
  TestWindow w(app);
  w.load();
  w.timer.tick();
  w.timer.tick();
  w.unload();
  EXPECT_FALSE(w.timer.enabled());
  w.timer.tick();  // a late tick from the host after unloading does nothing
  EXPECT_EQ(w.ticks, 2);
  EXPECT_EQ(w.unloads, 1);
  w.unload();  // unloading twice raises Form_Unload once
  EXPECT_EQ(w.unloads, 1);
}

TEST(WindowLifecycle, LoadedWindowsAreListedInLoadOrder) {
  ui::Application app;
  TestWindow a(app, "a"), b(app, "b"), c(app, "c");
  a.load();
  b.load();
  c.load();
  ASSERT_EQ(app.formCount(), 3);
  EXPECT_EQ(&app.form(0), &a);
  EXPECT_EQ(&app.form(2), &c);
  b.unload();
  ASSERT_EQ(app.formCount(), 2);
  EXPECT_EQ(&app.form(1), &c);
}

TEST(ModalShow, OwnerTakesNoInputUntilTheModalWindowUnloads) {
  ui::Application app;
  TestWindow owner(app, "owner"), lesson(app, "lesson");
  owner.show();
  owner.button.click();
  EXPECT_EQ(owner.clicks, 1);
  lesson.showModal(owner);
  EXPECT_TRUE(lesson.loaded());
  EXPECT_FALSE(owner.acceptsInput());
  owner.button.click();
  owner.box.mouseMove({}, 600, 600);
  owner.box.mouseDown({}, 200, 200);
  owner.box.mouseUp({}, 200, 200);
  EXPECT_EQ(owner.clicks, 1);
  EXPECT_EQ(owner.boxMoves, 0);
  EXPECT_EQ(owner.labelClicks, 0);
  lesson.button.click();
  EXPECT_EQ(lesson.clicks, 1);
  // The owner's close box is input too; a window outside the chain is not
  // blocked, and the one that is knows what holds its input.
  owner.closeBox();
  EXPECT_TRUE(owner.loaded());
  TestWindow aside(app, "aside"), dialog(app, "dialog");
  aside.show();
  dialog.showModal(lesson);
  EXPECT_TRUE(aside.acceptsInput());
  EXPECT_EQ(app.blockerOf(owner), &dialog);
  EXPECT_EQ(app.blockerOf(lesson), &dialog);
  EXPECT_EQ(app.blockerOf(aside), nullptr);
  EXPECT_EQ(app.inputWindow(), &dialog);
  dialog.closeBox();
  aside.unload();
  lesson.closeBox();
  EXPECT_TRUE(owner.acceptsInput());
  owner.button.click();
  EXPECT_EQ(owner.clicks, 2);
}

TEST(ModalShow, HiddenButtonsAndUnloadedWindowsTakeNoClicks) {
  ui::Application app;
  TestWindow w(app);
  w.show();
  w.button.setVisible(false);
  w.button.click();
  EXPECT_EQ(w.clicks, 0);
  w.unload();
  w.button.click();
  EXPECT_EQ(w.clicks, 0);
}

TEST(MouseRouting, TopmostLabelUnderThePointerGetsTheEventInItsOwnCoordinates) {
  ui::Application app;
  TestWindow w(app);
  w.show();
  // (350, 200) lies on both labels; the later one is on top.
  w.box.mouseMove({}, 350, 200);
  EXPECT_EQ(w.lastTarget, "label1");
  EXPECT_FLOAT_EQ(w.lastX, 50);
  EXPECT_FLOAT_EQ(w.lastY, 50);
  w.box.bringToFront(w.boxLabel);
  w.box.mouseMove({}, 350, 200);
  EXPECT_EQ(w.lastTarget, "label0");
  EXPECT_FLOAT_EQ(w.lastX, 250);
  EXPECT_FLOAT_EQ(w.lastY, 100);
}

TEST(MouseRouting, AreaGetsMovesWhereNoVisibleLabelIsIncludingOutside) {
  ui::Application app;
  TestWindow w(app);
  w.show();
  w.box.mouseMove({}, 1200, 800);
  EXPECT_EQ(w.lastTarget, "box");
  w.boxLabelOnTop.setVisible(false);
  w.box.mouseMove({}, 650, 200);
  EXPECT_EQ(w.lastTarget, "box");
  w.box.mouseMove({}, -300.5f, 99999);
  EXPECT_EQ(w.lastTarget, "box");
  EXPECT_FLOAT_EQ(w.lastX, -300.5f);
}

TEST(MouseRouting, ClickNeedsPressAndReleaseOnTheSameLabel) {
  ui::Application app;
  TestWindow w(app);
  w.show();
  w.box.mouseDown({1, 0}, 150, 150);
  w.box.mouseUp({1, 0}, 150, 150);
  EXPECT_EQ(w.lastTarget, "click0");
  w.box.mouseDown({1, 0}, 150, 150);
  w.box.mouseUp({1, 0}, 1400, 800);  // released elsewhere: no click
  w.box.mouseUp({1, 0}, 150, 150);   // a release with no press: no click
  EXPECT_EQ(w.labelClicks, 1);
}

TEST(DrawingSurface, EachDrawingGoesToTheSinkOnceAndIsNeverReplayed) {
  ui::Application app;
  TestWindow w(app);
  w.load();
  ui::RecordingSink sink;
  w.box.surface().setSink(&sink);
  w.box.surface().setFill(0x00C0FFFF);
  for (int i = 0; i < 1000; ++i) w.box.surface().line(0, 0, 10, static_cast<float>(i), 1);
  w.box.surface().circle(5, 5, 3, 2);
  ASSERT_EQ(sink.ops.size(), 1001u);
  EXPECT_EQ(sink.ops.back().fill, std::optional<ui::Color>(0x00C0FFFF));
  w.box.surface().clear();
  EXPECT_EQ(sink.ops.back().kind, ui::DrawOp::Clear);
  w.surface().setSink(&sink);
  w.surface().circle(1, 1, 1, 3);
  EXPECT_FALSE(sink.ops.back().fill.has_value());  // the window surface has no fill
}

TEST(Controls, ComboBoxPickRaisesClickButTypingDoesNot) {
  ui::Application app;
  struct W : ui::Form {
    explicit W(ui::Application& a) : ui::Form(a, {"c", 100, 100}) {}
    ui::ComboBox list;
    int clicks = 0;
    void design() override {
      add(list, "list", {0, 0, 600, 300}).setItems({"小", "中", "大"});
      list.setText("中");
      list.onClick = [this] { ++clicks; };
    }
  } w(app);
  w.show();
  w.list.pick(2);
  EXPECT_EQ(w.list.text(), "大");
  w.list.type("\xF0\x9F\x8C\x8B");
  w.list.pick(7);
  w.list.pick(-1);
  EXPECT_EQ(w.list.text(), "\xF0\x9F\x8C\x8B");
  EXPECT_EQ(w.clicks, 1);
}

}  // namespace

namespace {

TEST(WindowLifecycle, WindowDestroyedWhileLoadedLeavesTheListAndFreesItsOwner) {
  ui::Application app;
  TestWindow owner(app, "owner");
  owner.show();
  {
    TestWindow lesson(app, "lesson");
    lesson.showModal(owner);
    EXPECT_EQ(app.formCount(), 2);
  }
  EXPECT_EQ(app.formCount(), 1);
  EXPECT_TRUE(owner.acceptsInput());
}

}  // namespace
