// A window's scene and the program's frame: changes land in the area they
// belong to, clipped to it; widgets and items come once, with where the
// focus goes when they hide; a picture box's drawing layer is opaque exactly
// when nothing lies under its drawings; a frame carries only windows with
// something to show, after the ticks.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <vector>

#include "tests/ui/asking_host.h"
#include "ui/form.h"
#include "ui/paint_areas.h"
#include "ui/window_scene.h"

namespace {

struct Window : ui::Form {
  explicit Window(ui::Application& a) : ui::Form(a, {"scene", 6000, 4000}) {}
  ui::Frame group;
  ui::PictureBox box;
  ui::Label first, second, plain;
  ui::Button go, stop;
  ui::Timer clock;
  int ticks = 0;
  void design() override {
    add(group, "group", {300, 300, 4000, 3000});
    add(box, "box", {200, 400, 2000, 1500}, &group);
    add(first, "first", {100, 100, 500, 200}, &box).setCaption("震源");
    add(second, "second", {700, 100, 500, 200}, &box).setCaption("観測点");
    add(plain, "plain", {4500, 100, 900, 300}).setCaption("説明");
    add(go, "go", {4500, 600, 900, 400}).setCaption("開始");
    add(stop, "stop", {4500, 1100, 900, 400}).setCaption("停止");
    addTimer(clock, "clock", 100, false).onTimer = [this] {
      ++ticks;
      box.surface().line(0, 0, 1000, 1000, 0xFF0000);
    };
    keyboard().addTarget(first, [] { return false; });
    keyboard().addTarget(second, [] { return false; });
  }
};

struct SceneTest : ::testing::Test {
  ui::Application app;
  AskingHost host;
  Window w{app};
  ui::WindowScene* scene = nullptr;
  SceneTest() {
    app.setHost(&host);
    w.show();
    scene = w.scene();
    scene->setGrid(ui::PixelGrid{2});
    app.changes(false);
  }
  ~SceneTest() override {
    w.unload();
    app.setHost(nullptr);
  }
  const ui::ItemChange* changeOf(const std::vector<ui::ItemChange>& changes, const ui::Control& c) {
    for (const auto& change : changes)
      if (scene->items()[change.item].label == &c) return &change;
    return nullptr;
  }
};

TEST_F(SceneTest, AChangeLandsInItsOwnAreaClippedToIt) {
  ASSERT_EQ(scene->areas().size(), 3u);
  const int box = scene->areaOf(w.box);
  EXPECT_EQ(scene->areas()[static_cast<size_t>(box)].parent, scene->areaOf(w.group));
  const ui::PxRect size = scene->areas()[static_cast<size_t>(box)].rect;
  host.asked = 0;
  scene->invalidate(w.box, {1500, 100, 3000, 300});  // runs past the box's right edge
  scene->invalidate(w.box, {0, 0, 100, 100});
  EXPECT_EQ(host.asked, 1);  // one frame asked for, whatever follows
  ui::WindowChanges c = scene->take(true);
  ASSERT_EQ(c.paints.size(), 1u);
  EXPECT_EQ(c.paints[0].area, static_cast<size_t>(box));
  int right = 0;
  for (const ui::PxRect& r : c.paints[0].dirty) {
    EXPECT_TRUE(ui::PxRect({0, 0, size.w, size.h}).contains(r));
    EXPECT_TRUE(c.paints[0].bounds.contains(r));
    right = std::max(right, r.right());
  }
  EXPECT_EQ(right, size.w);
  ASSERT_NE(c.paints[0].list, nullptr);
  // Nothing lands outside every area; a new scale makes every area wholly
  // dirty and places every widget again.
  scene->invalidate(w.box, {9000, 9000, 100, 100});
  EXPECT_FALSE(scene->pending());
  scene->setGrid(ui::PixelGrid{1});
  c = scene->take(false);
  ASSERT_EQ(c.paints.size(), scene->areas().size());
  for (const ui::AreaPaint& p : c.paints) {
    const ui::PxRect& r = scene->areas()[p.area].rect;
    EXPECT_EQ(p.dirty, std::vector<ui::PxRect>({{0, 0, r.w, r.h}}));
    EXPECT_EQ(p.list, nullptr);
  }
  EXPECT_EQ(c.widgets.size(), 4u);
}

TEST_F(SceneTest, ItemsAndWidgetsComeOnceAndOnlyForWhatChanged) {
  // Lines of a tick send no item changes.
  scene->invalidate(w.box, {0, 0, 100, 100});
  EXPECT_TRUE(scene->take(false).items.empty());

  w.first.move(200, 100);
  w.plain.setCaption("説明２");
  w.go.setCaption("再開");
  w.go.setCaption("開始");
  ui::WindowChanges c = scene->take(false);
  ASSERT_EQ(c.items.size(), 2u);
  const auto* moved = changeOf(c.items, w.first);
  const auto* renamed = changeOf(c.items, w.plain);
  ASSERT_TRUE(moved && renamed);
  EXPECT_TRUE(moved->place && !moved->name && !moved->shown);
  EXPECT_EQ(scene->items()[moved->item].place, scene->rectOf(w.first.bounds()));
  EXPECT_TRUE(renamed->name && !renamed->place && !renamed->shown);
  EXPECT_EQ(scene->items()[renamed->item].name, "説明２");
  ASSERT_EQ(c.widgets.size(), 1u);  // twice changed, once placed
  EXPECT_EQ(c.widgets[0].control, &w.go);
  EXPECT_EQ(c.widgets[0].place, scene->placeOf(w.go));
  EXPECT_FALSE(scene->pending());
}

TEST_F(SceneTest, WhatHidesNamesWhereTheFocusGoesOn) {
  w.first.setVisible(false);
  w.go.setVisible(false);
  ui::WindowChanges c = scene->take(false);
  ASSERT_EQ(c.items.size(), 1u);
  EXPECT_TRUE(c.items[0].shown);
  EXPECT_FALSE(scene->items()[c.items[0].item].shown);
  EXPECT_EQ(c.items[0].handOn, &w.second);
  ASSERT_EQ(c.widgets.size(), 1u);
  EXPECT_EQ(c.widgets[0].handOn, &w.stop);
  // Shown again: no hand-on.
  w.first.setVisible(true);
  w.go.setVisible(true);
  c = scene->take(false);
  ASSERT_EQ(c.items.size(), 1u);
  EXPECT_EQ(c.items[0].handOn, nullptr);
  EXPECT_EQ(c.widgets[0].handOn, nullptr);
}

// Opaque, the layer is copied once and stands for the background; under a
// picture it must let the picture through.
TEST_F(SceneTest, APictureBoxLayerIsOpaqueExactlyWhenNothingLiesUnderItsDrawings) {
  const ui::DrawingLayer& layer = *scene->areas()[static_cast<size_t>(scene->areaOf(w.box))].layer;
  EXPECT_TRUE(layer.opaque());
  EXPECT_FALSE(scene->areas()[0].layer->opaque());  // the window's lies over its shapes
  w.box.setPicture(":/menu.bmp", 100, 100);
  EXPECT_FALSE(layer.opaque());
  w.box.setPicture("", 0, 0);
  EXPECT_TRUE(layer.opaque());
}

TEST_F(SceneTest, AFrameRunsTheTicksThenCarriesOnlyWindowsWithChanges) {
  Window quiet(app);
  quiet.show();
  quiet.scene()->setGrid(ui::PixelGrid{1});
  app.changes(false);
  w.clock.setEnabled(true);
  app.frame(0, false);  // the timer starts counting
  const ui::Application::Frame f = app.frame(100, true);
  EXPECT_EQ(w.ticks, 1);
  EXPECT_EQ(f.nextTick, 200);
  ASSERT_EQ(f.windows.size(), 1u);
  EXPECT_EQ(f.windows[0].form, &w);
  ASSERT_EQ(f.windows[0].paints.size(), 1u);
  EXPECT_EQ(f.windows[0].paints[0].area, static_cast<size_t>(scene->areaOf(w.box)));
  quiet.unload();
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
