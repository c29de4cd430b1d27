// "印刷" in the observation window: the page carries the run just finished
// (its size, distances and markers), printing leaves the screen as it was,
// and every click prints one more identical page.
#include <gtest/gtest.h>

#include <memory>

#include "kansoku_fixture.h"

namespace observe_test {
namespace {

struct Printing : Kansoku {
  std::shared_ptr<std::vector<ui::PrintedPage>> pages = std::make_shared<std::vector<ui::PrintedPage>>();

  // Keeps every page any printer of the window ends.
  struct Keeper : ui::RecordingPrinter {
    std::shared_ptr<std::vector<ui::PrintedPage>> out;
    void pageEnded(const ui::PrintedPage& p) override { out->push_back(p); }
  };

  void SetUp() override {
    Kansoku::SetUp();
    app.setPrinterFactory([this] {
      auto p = std::make_unique<Keeper>();
      p->out = pages;
      return p;
    });
  }

  static const ui::PrintOp* text(const ui::PrintedPage& page, const std::string& s) {
    for (const auto& op : page.ops)
      if (op.kind == ui::PrintOp::Text && op.text == s) return &op;
    return nullptr;
  }
};

TEST_F(Printing, PageShowsTheFinishedRun) {
  w.mag.setText("大");
  w.mag_Click();
  w.Command2_Click();
  runToEnd();
  ASSERT_TRUE(w.Command5.visible());
  w.Command5.onClick();
  ASSERT_EQ(pages->size(), 1u);
  const ui::PrintedPage& page = pages->front();
  EXPECT_EQ(page.name, "地震観測の記録");  // the print job's, and a saved file's
  ASSERT_NE(text(page, "地震の大きさ：大"), nullptr);
  EXPECT_FLOAT_EQ(text(page, "A点")->y1, 201);
  // Station A's letter sits on its baseline, 587.5 twips above the time axis.
  EXPECT_FLOAT_EQ(text(page, "A")->y1, 393.25f - 587.5f / 20);
}

TEST_F(Printing, PageNamesTheSizeTheRunWasDrawnWithNotTextTypedLater) {
  w.Command2_Click();
  runToEnd();
  w.mag.type("大");  // typed after the run, never picked
  w.Command5.onClick();
  w.mag.type("ゆれ");
  w.Command5.onClick();
  ASSERT_EQ(pages->size(), 2u);
  EXPECT_NE(text((*pages)[0], "地震の大きさ：中"), nullptr);
  EXPECT_NE(text((*pages)[1], "地震の大きさ：中"), nullptr);
}

TEST_F(Printing, PrintingTwiceChangesNothingOnScreen) {
  w.Command2_Click();
  runToEnd();
  const size_t drawn = plan.ops.size() + section.ops.size() + record.ops.size();
  const auto dist = w.hypoDist;
  w.Command5.onClick();
  w.Command5.onClick();
  EXPECT_EQ(plan.ops.size() + section.ops.size() + record.ops.size(), drawn);
  EXPECT_EQ(w.hypoDist, dist);
  EXPECT_TRUE(w.Command5.visible());
  EXPECT_FALSE(w.Timer1.enabled());
  ASSERT_EQ(pages->size(), 2u);
  const auto& a = (*pages)[0].ops;
  const auto& b = (*pages)[1].ops;
  ASSERT_EQ(a.size(), b.size());
  for (size_t k = 0; k < a.size(); ++k) {
    EXPECT_EQ(a[k].text, b[k].text);
    EXPECT_EQ(a[k].x1, b[k].x1);
    EXPECT_EQ(a[k].y1, b[k].y1);
    EXPECT_EQ(a[k].x2, b[k].x2);
    EXPECT_EQ(a[k].y2, b[k].y2);
  }
}

}  // namespace
}  // namespace observe_test
