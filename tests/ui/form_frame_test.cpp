// A window's frame: changes land in the area they belong to, clipped to it,
// and the items over labels change only when what they show changed.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <vector>

#include "ui/form.h"
#include "ui/form_frame.h"
#include "ui/paint_areas.h"

namespace {

struct Window : ui::Form {
  explicit Window(ui::Application& a) : ui::Form(a, {"frame", 6000, 4000}) {}
  ui::Frame group;
  ui::PictureBox box;
  ui::Label first, second, plain;
  void design() override {
    add(group, "group", {300, 300, 4000, 3000});
    add(box, "box", {200, 400, 2000, 1500}, &group);
    add(first, "first", {100, 100, 500, 200}, &box).setCaption("震源");
    add(second, "second", {700, 100, 500, 200}, &box).setCaption("観測点");
    add(plain, "plain", {4500, 100, 900, 300}).setCaption("説明");
    keyboard().addTarget(first, [] { return false; });
    keyboard().addTarget(second, [] { return false; });
  }
};

struct Shown : Window {
  explicit Shown(ui::Application& a) : Window(a) { show(); }
};

struct FormFrameTest : ::testing::Test {
  ui::Application app;
  Shown w{app};
  int changed = 0;
  ui::FormFrame frame{w, [this] { ++changed; }};
  FormFrameTest() {
    frame.setGrid(ui::PixelGrid{2});
    frame.itemChanges();
    for (size_t i = 0; i < frame.areas().size(); ++i) frame.takeDirty(i);
  }
  const ui::FormFrame::ItemChange* changeOf(const std::vector<ui::FormFrame::ItemChange>& changes,
                                            const ui::Control& c) {
    for (const auto& change : changes)
      if (frame.items()[change.item].label == &c) return &change;
    return nullptr;
  }
};

TEST_F(FormFrameTest, AChangeLandsInItsOwnAreaClippedToIt) {
  ASSERT_EQ(frame.areas().size(), 3u);
  const int box = frame.areaOf(w.box);
  EXPECT_EQ(frame.areas()[static_cast<size_t>(box)].parent, frame.areaOf(w.group));
  const ui::PxRect size = frame.areas()[static_cast<size_t>(box)].rect;
  changed = 0;
  frame.invalidate(w.box, {1500, 100, 3000, 300});  // runs past the box's right edge
  frame.invalidate(w.box, {0, 0, 100, 100});
  EXPECT_GT(changed, 0);
  for (size_t i = 0; i < frame.areas().size(); ++i) {
    const std::vector<ui::PxRect> dirty = frame.takeDirty(i);
    if (static_cast<int>(i) != box) {
      EXPECT_TRUE(dirty.empty()) << i;
      continue;
    }
    ASSERT_FALSE(dirty.empty());
    int right = 0;
    for (const ui::PxRect& r : dirty) {
      EXPECT_TRUE(ui::PxRect({0, 0, size.w, size.h}).contains(r));
      right = std::max(right, r.right());
    }
    EXPECT_EQ(right, size.w);
  }
  // Nothing lands outside every area; a new scale makes every area wholly dirty.
  frame.invalidate(w.box, {9000, 9000, 100, 100});
  EXPECT_TRUE(frame.takeDirty(static_cast<size_t>(box)).empty());
  frame.setGrid(ui::PixelGrid{1});
  for (size_t i = 0; i < frame.areas().size(); ++i) {
    const ui::PxRect& r = frame.areas()[i].rect;
    EXPECT_EQ(frame.takeDirty(i), std::vector<ui::PxRect>({{0, 0, r.w, r.h}}));
  }
}

TEST_F(FormFrameTest, ItemChangesComeOnceAndOnlyForWhatChanged) {
  // A label told about that changed nothing, and lines of a tick, send nothing.
  frame.labelChanged(w.first);
  frame.invalidate(w.box, {0, 0, 100, 100});
  EXPECT_TRUE(frame.itemChanges().empty());

  w.first.move(200, 100);
  w.plain.setCaption("説明２");
  frame.labelChanged(w.first);
  frame.labelChanged(w.plain);
  const auto changes = frame.itemChanges();
  ASSERT_EQ(changes.size(), 2u);
  const auto* moved = changeOf(changes, w.first);
  const auto* renamed = changeOf(changes, w.plain);
  ASSERT_TRUE(moved && renamed);
  EXPECT_TRUE(moved->place && !moved->name && !moved->shown);
  EXPECT_EQ(frame.items()[moved->item].place, frame.rectOf(w.first.bounds()));
  EXPECT_TRUE(renamed->name && !renamed->place && !renamed->shown);
  EXPECT_EQ(frame.items()[renamed->item].name, "説明２");
  EXPECT_TRUE(frame.itemChanges().empty());
}

TEST_F(FormFrameTest, AHiddenItemNamesWhereTheFocusGoesOn) {
  w.first.setVisible(false);
  frame.labelChanged(w.first);
  auto changes = frame.itemChanges();
  ASSERT_EQ(changes.size(), 1u);
  EXPECT_TRUE(changes[0].shown);
  EXPECT_FALSE(frame.items()[changes[0].item].shown);
  EXPECT_EQ(changes[0].handOn, &w.second);
  // Shown again: no hand-on.
  w.first.setVisible(true);
  frame.labelChanged(w.first);
  changes = frame.itemChanges();
  ASSERT_EQ(changes.size(), 1u);
  EXPECT_TRUE(frame.items()[changes[0].item].shown);
  EXPECT_EQ(changes[0].handOn, nullptr);
}

}  // namespace

// What painting keeps stays bounded however many zooms (a page fitted in
// hundredths while it is resized) and controls a run goes through.
TEST(PaintCaches, StayBoundedAcrossZoomsAndControls) {
  struct Dots : ui::Form {
    explicit Dots(ui::Application& a) : ui::Form(a, {"dots", 3000, 2000}) {}
    ui::Shape dot, band;
    ui::Line line;
    ui::Label label;
    void design() override {
      add(dot, "dot", {300, 300, 600, 600}).setShape(ui::ShapeKind::Circle);
      add(band, "band", {1000, 300, 900, 300});
      add(line, "line", {0, 0, 0, 0}).setPoints(0, 1200, 2000, 1200);
      add(label, "label", {300, 1500, 900, 300}).setCaption("震源");
    }
  };
  ui::Application app;
  std::vector<std::unique_ptr<Dots>> windows;
  const ui::DrawingLayer none;
  for (int i = 0; i < 2100; ++i) {
    windows.push_back(std::make_unique<Dots>(app));
    windows.back()->show();
    ui::PaintList list;
    ui::paintForm(list, *windows.back(), none, ui::PixelGrid{1 + (i % 300) / 100.0}, {0, 0, 800, 600});
  }
  const ui::PaintCaches kept = ui::paintCaches();
  EXPECT_LE(kept.stamps, 2 * ui::kMostStamps);
  EXPECT_LE(kept.controls, ui::kMostKeptControls);
  EXPECT_LE(kept.labels, ui::kMostKeptControls);
  EXPECT_GT(kept.stamps, 0u);
}
