// The report page against the figures worked out for the design layout:
// texts, panels, markers, axes and the five seismograms, plus how the page
// follows the size, the markers and the distances.
#include "observe/report_page.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <vector>

namespace observe {
namespace {

using Op = ui::PrintOp;

// The window's design layout with the markers where they stand at load and
// the distances a run computes from them.
ReportInputs designInputs(int magnitude = 2, const std::string& size = "中") {
  ReportInputs in;
  in.map1Width = 6135, in.map1Height = 3615;
  in.map2Width = 6135, in.map2Height = 1815;
  in.kirokuWidth = 4575, in.kirokuHeight = 7695;
  for (int i = 0; i < 5; ++i)
    in.stations[static_cast<size_t>(i)] = {1020, 2960.0f - 600.0f * static_cast<float>(i), 135, 135};
  in.hypocentre = {1020, 1140, 135, 135};
  const double depth = in.hypocentre.top + in.hypocentre.width / 2.0;
  for (size_t i = 0; i < 5; ++i) {
    const ui::RectF& s = in.stations[i];
    const double dy = in.map1Height - s.top - s.width / 2.0, dx = s.left - in.hypocentre.left;
    in.epiDist[i] = std::sqrt(dy * dy + dx * dx);
    in.hypoDist[i] = std::sqrt(dy * dy + dx * dx + depth * depth);
  }
  in.magnitude = magnitude;
  in.sizeText = size;
  return in;
}

ui::PrintedPage printed(const ReportInputs& in) {
  ui::RecordingPrinter p;
  printReport(p, in);
  EXPECT_TRUE(p.unitPoints());
  EXPECT_EQ(p.pages().size(), 1u);
  return p.pages().at(0);
}

std::vector<Op> ofKind(const ui::PrintedPage& page, Op::Kind k) {
  std::vector<Op> out;
  for (const Op& op : page.ops)
    if (op.kind == k) out.push_back(op);
  return out;
}

const Op& findText(const ui::PrintedPage& page, const std::string& s) {
  for (const Op& op : page.ops)
    if (op.kind == Op::Text && op.text == s) return op;
  throw std::runtime_error("no text " + s);
}

// The 458 segments of station i's trace: the lines after its letter.
std::vector<Op> traceOf(const ui::PrintedPage& page, int i) {
  const std::string letter(1, static_cast<char>('A' + i));
  size_t k = 0;
  while (!(page.ops[k].kind == Op::Text && page.ops[k].text == letter)) ++k;
  std::vector<Op> out;
  for (++k; k < page.ops.size() && page.ops[k].kind == Op::Line; ++k) out.push_back(page.ops[k]);
  return out;
}

TEST(ReportPage, TextsStandWhereTheLayoutPutsThem) {
  const ui::PrintedPage page = printed(designInputs());
  struct Row { const char* text; float size, x, y; };
  const Row rows[] = {
      {"Zemlox", 9, 10, 29},         {"地震観測シミュレーション", 13, 110, 25},
      {"A点", 9, 67.75f, 201},       {"B点", 9, 67.75f, 171},
      {"C点", 9, 67.75f, 141},       {"D点", 9, 67.75f, 111},
      {"E点", 9, 67.75f, 81},        {"水平面", 9, 276.75f, 213.75f},
      {"縦断面", 9, 276.75f, 253.75f}, {"震源", 9, 67.75f, 290.75f},
      {"地震の大きさ：中", 9, 67.75f, 342.5f}, {"震央距離", 9, 321.75f, 23},
      {"時間", 9, 525.5f, 397.75f},
      {"A", 9, 322.25f, 393.25f - 587.5f / 20}, {"B", 9, 322.25f, 393.25f - 1187.5f / 20},
      {"C", 9, 322.25f, 393.25f - 1787.5f / 20}, {"D", 9, 322.25f, 393.25f - 2387.5f / 20},
      {"E", 9, 322.25f, 393.25f - 2987.5f / 20},
  };
  const std::vector<Op> texts = ofKind(page, Op::Text);
  ASSERT_EQ(texts.size(), std::size(rows));
  for (size_t i = 0; i < texts.size(); ++i) {
    SCOPED_TRACE(rows[i].text);
    EXPECT_EQ(texts[i].text, rows[i].text);
    EXPECT_EQ(texts[i].fontName, "ＭＳ ゴシック");
    EXPECT_FLOAT_EQ(texts[i].fontSize, rows[i].size);
    EXPECT_NEAR(texts[i].x1, rows[i].x, 1e-4);
    EXPECT_NEAR(texts[i].y1, rows[i].y, 1e-4);
  }
}

TEST(ReportPage, PanelsMarkersAndAxes) {
  const ui::PrintedPage page = printed(designInputs());
  const std::vector<Op> rects = ofKind(page, Op::Rectangle);
  ASSERT_EQ(rects.size(), 2u);
  EXPECT_FLOAT_EQ(rects[0].x1, 10); EXPECT_FLOAT_EQ(rects[0].y1, 53);
  EXPECT_FLOAT_EQ(rects[0].x2, 316.75f); EXPECT_FLOAT_EQ(rects[0].y2, 233.75f);
  EXPECT_FLOAT_EQ(rects[1].x1, 10); EXPECT_FLOAT_EQ(rects[1].y1, 233.75f);
  EXPECT_FLOAT_EQ(rects[1].x2, 316.75f); EXPECT_FLOAT_EQ(rects[1].y2, 324.5f);

  const std::vector<Op> circles = ofKind(page, Op::Circle);
  ASSERT_EQ(circles.size(), 6u);
  for (int i = 0; i < 5; ++i) {
    EXPECT_FLOAT_EQ(circles[static_cast<size_t>(i)].x1, 64.375f);
    EXPECT_FLOAT_EQ(circles[static_cast<size_t>(i)].y1, 204.375f - 30.0f * static_cast<float>(i));
  }
  EXPECT_FLOAT_EQ(circles[5].x1, 64.375f); EXPECT_FLOAT_EQ(circles[5].y1, 294.125f);
  for (const Op& c : circles) EXPECT_FLOAT_EQ(c.r, 3.375f);

  // Hypocentre line, distance axis, time axis, then 5 × 458 trace segments.
  const std::vector<Op> lines = ofKind(page, Op::Line);
  ASSERT_EQ(lines.size(), 3u + 5u * 458u);
  const float expected[3][4] = {{64.375f, 233.75f, 64.375f, 294.125f},
                                {326.75f, 397.75f, 326.75f, 33},
                                {326.75f, 397.75f, 555.5f, 397.75f}};
  for (size_t i = 0; i < 3; ++i) {
    EXPECT_FLOAT_EQ(lines[i].x1, expected[i][0]); EXPECT_FLOAT_EQ(lines[i].y1, expected[i][1]);
    EXPECT_FLOAT_EQ(lines[i].x2, expected[i][2]); EXPECT_FLOAT_EQ(lines[i].y2, expected[i][3]);
  }
  EXPECT_EQ(page.ops.back().kind, Op::Line);  // the document ends after the last trace
}

// On the page's own paper, upright, the whole page (a text at most a
// full-width cell per character) lies inside the printable area, with the
// farthest stations and the largest size.
TEST(ReportPage, FitsThePrintableAreaOfItsPaper) {
  ReportInputs in = designInputs(3, "大");
  in.epiDist = {6000, 6000, 6000, 6000, 6000};
  const ui::PrintedPage page = printed(in);
  float right = 0, bottom = 0;
  for (const Op& op : page.ops) {
    const auto chars = static_cast<float>(std::count_if(op.text.begin(), op.text.end(), [](char c) { return (c & 0xC0) != 0x80; }));
    const float r = op.kind == Op::Circle ? op.r : 0;
    right = std::max({right, op.x1 + r + chars * op.fontSize, op.kind == Op::Text ? 0 : op.x2});
    bottom = std::max({bottom, op.y1 + r + (op.kind == Op::Text ? op.fontSize * 1.25f : 0), op.kind == Op::Text ? 0 : op.y2});
  }
  const ui::Paper& paper = page.paper;
  EXPECT_LT(paper.across(), paper.down());
  EXPECT_LE(paper.left + right, paper.across() - paper.left);
  EXPECT_LE(paper.top + bottom, paper.down() - paper.top);
}

TEST(ReportPage, TracesStartLateAndGrowAtTheOnsets) {
  const ui::PrintedPage page = printed(designInputs());
  struct Row { float baseline; int pOnset; float pX, pBound; int sOnset; float sX, sBound; double a; };
  const Row rows[] = {
      {368.375f, 680, 343.75f, 5.23f, 1360, 360.75f, 18.50f, 1342.84},
      {338.375f, 860, 348.25f, 4.14f, 1700, 369.25f, 14.73f, 1693.58},
      {308.375f, 1080, 353.75f, 3.28f, 2160, 380.75f, 11.58f, 2157.13},
      {278.375f, 1340, 360.25f, 2.64f, 2680, 393.75f, 9.34f, 2675.48},
      {248.375f, 1620, 367.25f, 2.19f, 3240, 407.75f, 7.74f, 3222.30},
  };
  const ReportInputs in = designInputs();
  for (int i = 0; i < 5; ++i) {
    SCOPED_TRACE(i);
    const Row& r = rows[i];
    const double a = in.hypoDist[static_cast<size_t>(i)];
    EXPECT_NEAR(a, r.a, 0.005);
    const std::vector<Op> tr = traceOf(page, i);
    ASSERT_EQ(tr.size(), 458u);
    EXPECT_FLOAT_EQ(tr.front().x1, 326.25f);
    EXPECT_FLOAT_EQ(tr.front().y1, r.baseline);
    EXPECT_FLOAT_EQ(tr.front().x2, 326.75f);
    EXPECT_FLOAT_EQ(tr.back().x2, 555.25f);
    const size_t p = static_cast<size_t>(r.pOnset / 20), s = static_cast<size_t>(r.sOnset / 20);
    for (size_t k = 0; k < p; ++k) EXPECT_FLOAT_EQ(tr[k].y2, r.baseline) << k;
    EXPECT_FLOAT_EQ(tr[p].x2, r.pX);
    EXPECT_FLOAT_EQ(tr[s].x2, r.sX);
    // Displacement = bound × sin((t − a)/2) at the onsets; between them the
    // initial tremor's coefficient, five times smaller.
    auto bound = [&](size_t k) {
      const double t = 20.0 * static_cast<double>(k);
      return (tr[k].y2 - r.baseline) / std::sin((t - a) / 2);
    };
    EXPECT_NEAR(bound(p), r.pBound, 0.01);
    EXPECT_NEAR(bound(s), r.sBound, 0.01);
    EXPECT_NEAR(bound(s - 1) * std::sqrt(20.0 * static_cast<double>(s - 1)),
                5000 / std::sqrt(a), 0.05);
    // Segments of half a point join up into one continuous zigzag.
    for (size_t k = 1; k < tr.size(); ++k) {
      EXPECT_FLOAT_EQ(tr[k].x1, tr[k - 1].x2);
      EXPECT_FLOAT_EQ(tr[k].y1, tr[k - 1].y2);
    }
  }
}

TEST(ReportPage, SizeScalesAmplitudesButNotOnsets) {
  const ui::PrintedPage small = printed(designInputs(1, "小"));
  const ui::PrintedPage large = printed(designInputs(3, "大"));
  EXPECT_EQ(findText(large, "地震の大きさ：大").x1, findText(small, "地震の大きさ：小").x1);
  for (int i = 0; i < 5; ++i) {
    const std::vector<Op> s = traceOf(small, i), l = traceOf(large, i);
    ASSERT_EQ(s.size(), l.size());
    const float b = s.front().y1;
    for (size_t k = 0; k < s.size(); ++k) {
      EXPECT_EQ(s[k].y2 == b, l[k].y2 == b) << i << " " << k;
      EXPECT_NEAR(l[k].y2 - b, 3 * (s[k].y2 - b), 1e-3) << i << " " << k;
    }
  }
}

TEST(ReportPage, StationAtTheEpicentreWritesAlongTheTimeAxis) {
  ReportInputs in = designInputs();
  in.stations[2] = {1020, 3615 - 67.5f, 135, 135};
  in.epiDist[2] = 0;
  in.hypoDist[2] = 1207.5;
  const ui::PrintedPage page = printed(in);
  EXPECT_FLOAT_EQ(findText(page, "C").y1, 397.75f - 4.5f);
  const std::vector<Op> tr = traceOf(page, 2);
  EXPECT_FLOAT_EQ(tr.front().y1, 397.75f);
  EXPECT_FLOAT_EQ(tr[30].y2, 397.75f);  // flat until t = 603.75
  EXPECT_NE(tr[31].y2, 397.75f);
}

TEST(ReportPage, SizeTextFollowsTheHypocentre) {
  ReportInputs in = designInputs();
  in.hypocentre.left = 5000;
  const ui::PrintedPage page = printed(in);
  EXPECT_FLOAT_EQ(findText(page, "震源").x1, 266.75f);
  EXPECT_FLOAT_EQ(findText(page, "地震の大きさ：中").x1, 266.75f);
  EXPECT_FLOAT_EQ(ofKind(page, Op::Line)[0].x1, 263.375f);
  EXPECT_FLOAT_EQ(ofKind(page, Op::Circle)[5].x1, 263.375f);
}

TEST(ReportPage, DistancesNeverSetGiveFlatTraces) {
  ReportInputs in = designInputs();
  in.hypoDist = {};
  const ui::PrintedPage page = printed(in);
  for (int i = 0; i < 5; ++i) {
    const std::vector<Op> tr = traceOf(page, i);
    for (const Op& op : tr) EXPECT_EQ(op.y2, tr.front().y1) << i;
  }
}

}  // namespace
}  // namespace observe
