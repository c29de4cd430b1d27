// The observation window opened in a class: the lesson's window untouched
// without a class layout, a hidden hypocentre that no drawing, control or
// announcement gives away before 答え合わせ, the guess's distance, a tick at
// a time, the last record kept faint, and the saved table against the model
// read back by a real CSV reader.
#include <cmath>
#include <cstdio>
#include <fstream>
#include <sstream>

#include "kansoku_fixture.h"
#include "observe/colours.h"
#include "observe/geometry.h"
#include "observe/result_table.h"
#include "observe/seismogram.h"

namespace observe_test {
namespace {

struct ClassKansoku : Kansoku {
  observe::ClassLayout layout;
  void SetUp() override {}
  void openWith(observe::ClassLayout l) {
    layout = l;
    w.setClassLayout(l);
    open();
  }
};

TEST_F(ClassKansoku, WithoutALayoutTheWindowIsTheLessons) {
  open();
  EXPECT_EQ(w.style().clientHeight, 7935);
  for (const ui::Control* c : w.controls()) EXPECT_NE(c->name().rfind("cmd", 0), 0u) << c->name();
  EXPECT_EQ(w.pageTitle(), "地震観測シミュレーション");
  EXPECT_EQ(w.style().caption, "地震計の記録");
}

TEST_F(ClassKansoku, AHiddenHypocentreIsNeitherDrawnNorNamedUntilTheAnswer) {
  observe::ClassLayout l;
  l.hypocentre = {3000, 900};
  l.hidden = true;
  openWith(l);
  EXPECT_EQ(w.foc.left(), 3000);
  for (const ui::Control* c : {static_cast<ui::Control*>(&w.foc), static_cast<ui::Control*>(&w.nfoc),
                               static_cast<ui::Control*>(&w.lfoc), static_cast<ui::Control*>(&w.nfoc2)})
    EXPECT_FALSE(c->visible()) << c->name();
  for (ui::Control* c : w.keyboard().tabOrder()) {
    if (w.keyboard().focusable(*c)) {
      EXPECT_NE(w.keyboard().accessibleName(*c), "震源");
    }
  }
  w.Command2_Click();
  runToEnd();
  EXPECT_TRUE(of(plan, ui::DrawOp::Circle).empty());
  EXPECT_TRUE(of(section, ui::DrawOp::Circle).empty());
  EXPECT_EQ(of(record, ui::DrawOp::Line).size(), 5u * kTicksPerRun);
  EXPECT_EQ(w.lastAnnouncement().find("震源"), std::string::npos);
  // Neither the printed page nor the saved table gives it away.
  EXPECT_FALSE(w.Command5.visible());
  std::vector<ui::SavedFile> saved;
  app.setFileSaver([&](const std::vector<ui::SavedFile>& f) { saved = f; return ui::SaveResult::Saved; });
  w.cmdSave_Click();
  ASSERT_EQ(saved.size(), 1u);
  EXPECT_NE(saved[0].bytes.find("\r\nA点,,,"), std::string::npos) << saved[0].bytes;

  // The guess for the epicentre 1.5 units left of it on the surface line,
  // the depth guess straight above the hypocentre, 1 unit too shallow.
  const float h1 = w.map1.height();
  w.guess.move(3000 - 900, h1 - 135.0f / 2 - 67.5f);
  w.guess2.move(3000, 300);
  w.cmdAnswer_Click();
  EXPECT_TRUE(w.foc.visible() && w.lfoc.visible() && w.guessLine.visible());
  EXPECT_FALSE(w.cmdAnswer.visible());
  EXPECT_TRUE(w.Command5.visible());
  EXPECT_EQ(w.classNote.caption(),
            "震央の予想は 1.5 目盛（約 30 km）ずれていました。震源の予想は 1.0 目盛（約 20 km）ずれていました。");
  EXPECT_EQ(w.lastAnnouncement(), w.classNote.caption());
  EXPECT_FLOAT_EQ(w.guessLine.x2(), 3000 + 67.5f);
  EXPECT_FLOAT_EQ(w.guessLine.y2(), h1);
  // Runs after the answer draw their rings again.
  w.Command2_Click();
  EXPECT_FALSE(of(section, ui::DrawOp::Circle).empty());
}

TEST_F(ClassKansoku, TheGuessIsCarriedAsAStationIs) {
  observe::ClassLayout l;
  l.hidden = true;
  openWith(l);
  clickLabel(w.nguess);
  EXPECT_EQ(w.guessMoving, 0);
  moveTo(w.map1, 2050, 1550);
  clickLabel(w.nguess);
  EXPECT_EQ(w.guessMoving, -1);
  EXPECT_FLOAT_EQ(w.guess.left(), 2000);
  EXPECT_FLOAT_EQ(w.guess.top(), 1500);
  EXPECT_FLOAT_EQ(w.nguess.top(), 1490);
  EXPECT_EQ(w.keyboard().accessibleName(w.nguess2), "震源の予想");
  // It stays whole inside its view.
  clickLabel(w.nguess);
  moveTo(w.map1, w.map1.width() - 10, 100);
  EXPECT_LE(w.guess.left() + w.guess.width(), w.map1.width());
}

TEST_F(ClassKansoku, StepsRealTimeAndTheLastRecordKeptFaint) {
  openWith({});
  EXPECT_EQ(w.style().clientHeight, 8580);
  w.cmdStep_Click();  // sets off and waits at the first tick
  EXPECT_FALSE(w.Timer1.enabled());
  EXPECT_EQ(w.sFront, 20);
  w.cmdStep_Click();
  w.cmdStep_Click();
  EXPECT_EQ(w.sFront, 60);
  EXPECT_EQ(of(record, ui::DrawOp::Line).size(), 15u);
  w.cmdPace_Click();
  EXPECT_EQ(w.Timer1.interval(), observe::kRealTimeInterval);
  w.Command4_Click();
  runToEnd();
  // 410 ticks at 2/9 s: the run takes as long as the guide's reading of it.
  EXPECT_NEAR(kTicksPerRun * observe::kRealTimeInterval / 1000.0, 91.1, 0.1);

  // The next run draws the last one faint first, then its own over it.
  record.ops.clear();
  w.mag.pick(0);
  w.Command2_Click();
  const auto lines = of(record, ui::DrawOp::Line);
  ASSERT_EQ(lines.size(), 5u * kTicksPerRun + 5);
  EXPECT_EQ(lines.front().color, 0x00B0B0B0u);
  EXPECT_EQ(lines[5 * kTicksPerRun].color, ui::paletteColor(observe::kTraceColour));
  // A station moved: the record no longer belongs to the layout.
  runToEnd();
  clickLabel(w.nobj[0]);
  clickLabel(w.nobj[0]);
  record.ops.clear();
  w.Command2_Click();
  EXPECT_EQ(of(record, ui::DrawOp::Line).size(), 5u);
  // Picking a speed ends real time.
  w.Command3_Click();
  w.speed.pick(0);
  EXPECT_FALSE(w.realTime);
  EXPECT_EQ(w.Timer1.interval(), 10);
}

TEST_F(ClassKansoku, TheSavedTableReadsAsTheModelInASpreadsheetReader) {
  openWith({});
  std::string saved, name;
  std::string pdf;
  app.setFileSaver([&](const std::vector<ui::SavedFile>& files) {
    name = files.at(0).name, saved = files.at(0).bytes, pdf = files.at(1).bytes;
    return ui::SaveResult::Saved;
  });
  w.cmdSave_Click();
  EXPECT_EQ(w.classNote.caption(), "「地震発生」で地震を起こしてから保存してください。");
  w.Command2_Click();
  runToEnd();
  w.cmdSave_Click();
  EXPECT_NE(name.find("_震源x1.8_深さ2.0_中.csv"), std::string::npos) << name;
  const std::string file = ::testing::TempDir() + "result.csv";
  std::ofstream(file, std::ios::binary) << saved;
  // Python's csv module with the BOM taken off, as a spreadsheet reads it.
  const std::string cmd = "python3 -c \"import csv,sys; r=list(csv.reader(open(sys.argv[1], encoding='utf-8-sig', "
                          "newline=''))); print(len(r)); [print(*row, sep='|') for row in r]\" " + file;
  FILE* p = popen(cmd.c_str(), "r");
  ASSERT_NE(p, nullptr);
  std::string out;
  char buf[512];
  while (fgets(buf, sizeof buf, p)) out += buf;
  ASSERT_EQ(pclose(p), 0) << out;
  std::istringstream rows(out);
  std::string line;
  std::getline(rows, line);
  EXPECT_EQ(line, "6");
  std::getline(rows, line);
  EXPECT_EQ(line.substr(0, line.find('|')), "観測点");
  // The model's figures for A with the opening layout: D 1342.84, P at tick
  // 34 (S = 680), S at tick 68; 44.8 km, 7.5 s and 14.9 s.
  std::getline(rows, line);
  EXPECT_EQ(line, "A点|0.98|2.24|34|68|34|19.6|44.8|7.5|14.9|7.5");
  EXPECT_EQ(observe::arrivalAt(w.hypoDist[4]).sTick, 162);  // E: S arrives at S = 3240

  // The report page beside it, as a PDF that poppler reads back as text.
  const std::string pdfFile = ::testing::TempDir() + "result.pdf";
  std::ofstream(pdfFile, std::ios::binary) << pdf;
  FILE* t = popen(("pdftotext -layout " + pdfFile + " -").c_str(), "r");
  ASSERT_NE(t, nullptr);
  std::string text;
  while (fgets(buf, sizeof buf, t)) text += buf;
  EXPECT_EQ(pclose(t), 0);
  for (const char* word : {"地震の大きさ", "震央距離", "A", "E"}) EXPECT_NE(text.find(word), std::string::npos) << word << '\n' << text;
}

}  // namespace
}  // namespace observe_test

namespace observe_test {
namespace {

// A pupil pressing anything in any order: while the hypocentre is hidden no
// ring is drawn, and the guesses never leave their views.
TEST_F(ClassKansoku, AnyOrderOfPressesKeepsTheAnswerHidden) {
  observe::ClassLayout l;
  l.hidden = true;
  openWith(l);
  app.setFileSaver([](const std::vector<ui::SavedFile>&) { return ui::SaveResult::Failed; });
  unsigned r = 12345;
  auto next = [&r](unsigned n) { return (r = r * 1103515245u + 12345u) / 65536u % n; };
  for (int step = 0; step < 3000; ++step) {
    const float x = static_cast<float>(next(7000)) - 400, y = static_cast<float>(next(4400)) - 400;
    switch (next(12)) {
      case 0: w.Command2.click(); break;
      case 1: w.cmdStep.click(); break;
      case 2: w.cmdPace.click(); break;
      case 3: w.cmdClear.click(); break;
      case 4: if (next(40) == 0) w.cmdAnswer.click(); break;
      case 5: w.cmdSave.click(); break;
      case 6: clickLabel(next(2) ? w.nguess : w.nguess2); break;
      case 7: clickLabel(w.nobj[next(5)]); break;
      case 8: moveTo(next(2) ? w.map1 : w.map2, x, y); break;
      case 9: (next(2) ? w.mag : w.speed).pick(static_cast<int>(next(3))); break;
      case 10: w.Command3.click(); break;
      default: for (unsigned n = next(30); n && w.Timer1.enabled(); --n) w.Timer1.tick();
    }
    if (w.hypocentreHidden) {
      ASSERT_TRUE(of(plan, ui::DrawOp::Circle).empty()) << "step " << step;
      ASSERT_TRUE(of(section, ui::DrawOp::Circle).empty()) << "step " << step;
      ASSERT_FALSE(w.foc.visible());
    }
    for (const ui::Shape* g : {&w.guess, &w.guess2}) {
      const auto& view = static_cast<const ui::PictureBox&>(*g->container());
      ASSERT_TRUE(g->left() >= 0 && g->top() >= 0 && g->left() + g->width() <= view.width() &&
                  g->top() + g->width() <= view.height()) << "step " << step;
    }
  }
  EXPECT_FALSE(w.hypocentreHidden);  // the answer came at some point
}

}  // namespace
}  // namespace observe_test
