// A loaded, shown observation window with no host, whose three views record
// every drawing, and the pupil's gestures as the window layer routes them.
#pragma once

#include <gtest/gtest.h>

#include <vector>

#include "observe/frm_Kansoku.h"

namespace observe_test {

constexpr int kTicksPerRun = 410;

struct Kansoku : ::testing::Test {
  ui::Application app;
  observe::frm_Kansoku w{app};
  ui::RecordingSink plan, section, record;

  void SetUp() override { open(); }

  void open() {
    w.show();
    w.map1.surface().setSink(&plan);
    w.map2.surface().setSink(&section);
    w.kiroku.surface().setSink(&record);
  }

  // A press and release at one point of a view: a click on the label there.
  static void clickAt(ui::PictureBox& view, float x, float y) {
    view.mouseDown({1, 0}, x, y);
    view.mouseUp({1, 0}, x, y);
  }
  static void moveTo(ui::PictureBox& view, float x, float y) { view.mouseMove({}, x, y); }
  // Clicks the middle of a label in its view.
  static void clickLabel(ui::Label& l) {
    auto& view = static_cast<ui::PictureBox&>(*l.container());
    clickAt(view, l.left() + l.width() / 2, l.top() + l.height() / 2);
  }

  int runToEnd() {
    int ticks = 0;
    while (w.Timer1.enabled()) {
      w.Timer1.tick();
      ++ticks;
    }
    return ticks;
  }

  static std::vector<ui::DrawOp> of(const ui::RecordingSink& s, ui::DrawOp::Kind k) {
    std::vector<ui::DrawOp> out;
    for (const auto& op : s.ops)
      if (op.kind == k) out.push_back(op);
    return out;
  }
};

}  // namespace observe_test
