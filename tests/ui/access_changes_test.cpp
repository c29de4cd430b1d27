// What the window layer tells a host about assistive technology: a change
// for a label only when its name, place or visibility may have changed, so
// a tick that only moves lines and shapes costs the host nothing.
#include <gtest/gtest.h>

#include <vector>

#include "ui/form.h"

namespace {

struct Recorder : ui::FormView {
  std::vector<const ui::Control*> changes;
  std::vector<ui::RectF> repaints;
  void invalidate(const ui::Container&, const ui::RectF& r) override { repaints.push_back(r); }
  void widgetChanged(const ui::Control&) override {}
  void inputEnabledChanged() override {}
  void accessChanged(const ui::Control& c) override { changes.push_back(&c); }
};

struct Window : ui::Form {
  explicit Window(ui::Application& a) : ui::Form(a, {"access", 3000, 2000}) {}
  ui::Label item;
  ui::Line line;
  ui::Shape band;
  bool carried = false;
  void design() override {
    add(item, "item", {100, 100, 500, 200}).setCaption("震源");
    // Picking the item up changes only its name.
    item.onClick = [this] { carried = !carried; };
    keyboard().addTarget(item, [this] { return carried; });
    addLine(line, "line", 0, 0, 900, 900);
    add(band, "band", {0, 1000, 3000, 500});
  }
};

TEST(AccessChanges, OnlyWhatALabelShowsAssistiveTechnologyIsSent) {
  ui::Application app;
  Window w(app);
  w.show();
  Recorder r;
  w.setView(&r);
  for (float k = 1; k <= 10; ++k) {
    w.line.setPoints(0, k * 10, 900, 900 + k * 10);
    w.band.move(k * 10, 1000);
    w.band.setFillColor(static_cast<ui::Color>(k));
  }
  EXPECT_TRUE(r.changes.empty());
  w.item.move(200, 100);
  w.item.setCaption("観測点");
  w.item.setVisible(false);
  w.item.setVisible(true);
  w.item.click();  // picked up where it stands
  EXPECT_EQ(r.changes.size(), 5u);
  for (const ui::Control* c : r.changes) EXPECT_EQ(c, &w.item);
  w.setView(nullptr);
}

// A step repaints the old and new place as one; a jump repaints each.
TEST(AccessChanges, AMoveRepaintsTheOldPlaceAndTheNew) {
  ui::Application app;
  Window w(app);
  w.show();
  Recorder r;
  w.setView(&r);
  auto covers = [](const ui::RectF& a, const ui::RectF& b) {
    return a.left <= b.left && a.top <= b.top && a.right() >= b.right() && a.bottom() >= b.bottom();
  };
  const ui::RectF at = w.band.bounds();
  w.band.move(at.left + 30, at.top);
  ASSERT_EQ(r.repaints.size(), 1u);
  EXPECT_TRUE(covers(r.repaints[0], at) && covers(r.repaints[0], w.band.bounds()));
  r.repaints.clear();
  const ui::RectF before = w.line.bounds();
  w.line.setPoints(2000, 0, 2900, 900);
  ASSERT_EQ(r.repaints.size(), 2u);
  EXPECT_TRUE(covers(r.repaints[0], before) && covers(r.repaints[1], w.line.bounds()));
  EXPECT_FALSE(covers(r.repaints[0], w.line.bounds()));
  w.setView(nullptr);
}

}  // namespace
