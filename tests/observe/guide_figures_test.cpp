// Every number the teacher's guide and the worksheets give about the
// observation window's default layout and the guide's 震源をさがそう example,
// held to the model: runs of the window, its printed page, and the trace
// functions. A number
// is right when the model's value, rounded to the decimals the text shows,
// reads the same.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <fstream>
#include <functional>
#include <memory>
#include <regex>
#include <sstream>

#include "kansoku_fixture.h"
#include "observe/report_page.h"
#include "observe/seismogram.h"

namespace observe_test {
namespace {

constexpr double kUnit = 600;              // twips to one grid step (目盛)
constexpr double kMmPerPt = 25.4 / 72;
constexpr double kPtPerRecTime = 1 / 40.0;  // the printed record's time axis

std::string doc(const std::string& name) {
  std::ifstream f(std::string(ZEMLOX_DOCS) + "/" + name);
  std::stringstream s;
  s << f.rdbuf();
  // Indents and quote marks off, so tables in list items and boxes read alike.
  return std::regex_replace(s.str(), std::regex("\n[ >]*"), "\n");
}
// The lines of a paragraph joined, as a reader sees them.
std::string joined(std::string s) { return std::regex_replace(s, std::regex("\n(?![|#\n-])"), ""); }

// "約 7.4" reads 7.4 shown with 1 decimal.
bool reads(const std::string& text, double model) {
  std::smatch m;
  if (!std::regex_search(text, m, std::regex("[0-9]+(\\.([0-9]+))?"))) return false;
  char buf[32];
  std::snprintf(buf, sizeof buf, "%.*f", static_cast<int>(m[2].length()), model);
  return m[0].str() == buf;
}

// The first capture of a phrase, or "" where the text no longer says it.
std::string said(const std::string& text, const std::string& pattern) {
  std::smatch m;
  return std::regex_search(text, m, std::regex(pattern)) ? m[1].str() : "";
}
std::vector<std::string> listed(const std::string& s) {
  static const std::regex number("[0-9.]+");
  std::vector<std::string> out;
  for (std::sregex_iterator it(s.begin(), s.end(), number), end; it != end; ++it)
    out.push_back(it->str());
  return out;
}

// The Markdown tables: a header and rows of trimmed cells.
struct Table { std::vector<std::string> head; std::vector<std::vector<std::string>> rows; };
std::vector<Table> tables(const std::string& md) {
  std::vector<Table> out;
  std::istringstream in(md);
  bool inTable = false;
  for (std::string line; std::getline(in, line);) {
    if (line.empty() || line[0] != '|') { inTable = false; continue; }
    if (line.rfind("|---", 0) == 0) continue;
    static const std::regex cell("\\|\\s*([^|]*?)\\s*(?=\\|)");
    std::vector<std::string> cells;
    for (std::sregex_iterator it(line.begin(), line.end(), cell), end; it != end; ++it)
      cells.push_back((*it)[1]);
    if (!inTable) out.push_back({cells, {}});
    else out.back().rows.push_back(cells);
    inTable = true;
  }
  return out;
}

struct GuideFigures : Kansoku {
  std::vector<ui::PrintedPage> pages;
  double depth = 0;

  void SetUp() override {
    Kansoku::SetUp();
    struct Keeper : ui::RecordingPrinter {
      std::vector<ui::PrintedPage>* out;
      void pageEnded(const ui::PrintedPage& p) override { out->push_back(p); }
    };
    app.setPrinterFactory([this] { auto p = std::make_unique<Keeper>(); p->out = &pages; return p; });
    w.Command2_Click();
    runToEnd();
    w.Command5_Click();
    depth = w.hypoY;
  }
  // The report's record time at which a phase shows: the first of its 20-step
  // grid at or past the arrival.
  static double onStep(double t) { return std::ceil(t / 20) * 20; }
  double printedOnsetMm(int i) const { return onStep(w.hypoDist[i] / 2) * kPtPerRecTime * kMmPerPt; }
  double printedDurationMm(int i) const {
    return (onStep(w.hypoDist[i]) - onStep(w.hypoDist[i] / 2)) * kPtPerRecTime * kMmPerPt;
  }
};

// A trace's offsets in twips, on screen (traceOffset, per tick) or on the
// page (reportDisplacement, twips of paper), and the largest in grid steps.
std::vector<double> trace(double D, int m, bool printed) {
  std::vector<double> y;
  for (int t = 0; t < 8200; t += 20)
    y.push_back(printed ? 20 * observe::reportDisplacement(t, D, m) : observe::traceOffset(t, D, m));
  return y;
}
double swing(double D, int m, bool printed) {
  double a = 0;
  for (double y : trace(D, m, printed)) a = std::max(a, std::abs(y));
  return a / kUnit;
}
// The clearance, in grid steps, between two traces whose epicentral
// distances are e1 < e2 (steps), above a hypocentre this deep (twips).
double clearance(double e1, double e2, double depth, int m, bool printed) {
  const auto a = trace(std::hypot(e1 * kUnit, depth), m, printed);
  const auto b = trace(std::hypot(e2 * kUnit, depth), m, printed);
  double least = 1e9;
  for (size_t k = 1; k < a.size(); ++k) {
    const double top1 = -e1 * kUnit + std::min(a[k], a[k - 1]);  // y grows downwards
    const double bottom2 = -e2 * kUnit + std::max(b[k], b[k - 1]);
    least = std::min(least, top1 - bottom2);
  }
  return least / kUnit;
}

TEST_F(GuideFigures, StationTablesReadAsTheModel) {
  // The printed trace leaves its baseline where the onset rule puts it.
  const auto& ops = pages.at(0).ops;
  for (int i = 0; i < 5; ++i) {
    size_t k = 0;
    while (!(ops[k].kind == ui::PrintOp::Text && ops[k].text == std::string(1, static_cast<char>('A' + i)))) ++k;
    const ui::PrintOp& axis = ops[k + 1];  // record time 0 ends on the distance axis
    size_t j = k + 1;
    while (ops[j].y2 == axis.y1) ++j;
    EXPECT_NEAR((ops[j].x2 - axis.x2) * kMmPerPt, printedOnsetMm(i), 1e-4);
  }
  const std::string md = doc("teacher-guide.md");
  const std::string g = joined(md);
  const double km = std::stod(said(g, "1 目盛を ([0-9]+) km")), vp = std::stod(said(g, "Ｐ波の速さを秒速 ([0-9]+) km"));
  const double vs = std::stod(said(g, "Ｓ波の速さを\\s*秒速 ([0-9]+) km"));
  EXPECT_EQ(vp / vs, 2.0) << "the model's P front travels twice as far as its S front";
  int held = 0;
  for (const Table& t : tables(md)) {
    if (t.head[0] != "観測点") continue;
    for (const auto& row : t.rows) {
      if (row[0].size() != 1 || row[0][0] < 'A' || row[0][0] > 'E') continue;
      const int i = row[0][0] - 'A';
      const double hypoKm = w.hypoDist[i] / kUnit * km;
      for (size_t c = 1; c < row.size(); ++c) {
        const std::string& h = t.head[c];
        double model = NAN;
        if (h == "震央距離（目盛）") model = w.epiDist[i] / kUnit;
        else if (h == "震源距離（目盛）") model = w.hypoDist[i] / kUnit;
        else if (h == "ゆれはじめ（印刷、mm）") model = printedOnsetMm(i);
        else if (h == "初期微動継続時間（印刷、mm）") model = printedDurationMm(i);
        else if (h.find("計算した初期微動継続時間（mm）") != std::string::npos)
          model = w.hypoDist[i] / 2 * kPtPerRecTime * kMmPerPt;
        else if (h == "震源距離（km）") model = hypoKm;
        else if (h == "Ｐ波が届くまで（秒）") model = hypoKm / vp;
        else if (h == "初期微動継続時間（秒）") model = hypoKm / vs - hypoKm / vp;
        EXPECT_TRUE(reads(row[c], model)) << row[0] << ", " << h << ": the guide says " << row[c]
                                          << ", the model " << model;
        ++held;
      }
    }
  }
  EXPECT_EQ(held, 5 * 8);
}

TEST_F(GuideFigures, SwingsAndSpacingReadAsTheModel) {
  const std::string md = doc("teacher-guide.md");
  const double hypoA = w.hypoDist[0];
  int held = 0;
  for (const Table& t : tables(md)) {
    if (t.head[0] != "地震の大きさ") continue;
    for (const auto& row : t.rows) {
      const int m = row[0] == "小" ? 1 : row[0] == "中" ? 2 : 3;
      EXPECT_TRUE(reads(row[1], swing(hypoA, m, false))) << row[0] << ": " << row[1];
      EXPECT_TRUE(reads(row[2], swing(hypoA, m, true))) << row[0] << ": " << row[2];
      // The spacing, and any wider one, keeps neighbours apart on screen and
      // page wherever the nearer one stands; it wastes no more than a tenth
      // of a step.
      const double spacing = std::stod(listed(row[3]).at(0));
      double need = 0;
      for (double e1 = 0; e1 <= 4; e1 += 0.25)
        for (bool p : {false, true})
          for (double d = 2.5; d > 0; d -= 0.01)
            if (clearance(e1, e1 + d, depth, m, p) <= 0) { need = std::max(need, d + 0.01); break; }
      EXPECT_GE(spacing, need) << row[0];
      EXPECT_LE(spacing, need + 0.1) << row[0] << ": needs " << need;
      held += 3;
    }
  }
  EXPECT_EQ(held, 9);
  // "「中」なら画面の記録は重なりませんが、「大」では A と B の記録が重なります（印刷では B と C も）"
  for (int i = 0; i < 4; ++i) EXPECT_GT(clearance(w.epiDist[i] / kUnit, w.epiDist[i + 1] / kUnit, depth, 2, false), 0);
  EXPECT_LT(clearance(w.epiDist[0] / kUnit, w.epiDist[1] / kUnit, depth, 3, false), 0);
  EXPECT_GT(clearance(w.epiDist[1] / kUnit, w.epiDist[2] / kUnit, depth, 3, false), 0);
  EXPECT_LT(clearance(w.epiDist[1] / kUnit, w.epiDist[2] / kUnit, depth, 3, true), 0);
}

TEST_F(GuideFigures, SentencesReadAsTheModel) {
  const std::string g = joined(doc("teacher-guide.md")), ws = doc("worksheet.html");
  const double km = std::stod(said(g, "1 目盛を ([0-9]+) km")), vs = std::stod(said(g, "Ｓ波の速さを\\s*秒速 ([0-9]+) km"));
  const double vp = std::stod(said(g, "Ｐ波の速さを秒速 ([0-9]+) km"));
  const double secondsPerTwip = km / kUnit / vs;  // of S-front travel
  const int ticks = w.sFront / observe::kFrontStep;
  auto runSeconds = [&](const char* speed) {
    w.speed.setText(speed);
    w.speed_Click();
    return ticks * w.Timer1.pace() / 1000.0;
  };
  const double slowRun = runSeconds("遅");
  struct Said { std::string where, text; double model; };
  const Said sentences[] = {
      {"guide: depth", said(g, "震源の深さは約 ([0-9.]+) 目盛"), depth / kUnit},
      {"guide: a step on paper", said(g, "1 目盛が約 ([0-9.]+) mm"), kUnit / 20 * kMmPerPt},
      {"guide: the page's time step", said(g, "約 ([0-9.]+) mm ごと"), 20 * kPtPerRecTime * kMmPerPt},
      {"guide: tremor at the epicentre", said(g, "その長さは約 ([0-9.]+) mm"), depth / 2 * kPtPerRecTime * kMmPerPt},
      {"guide: ratio", said(g, "約 ([0-9.]+) mm／目盛"), kUnit / 2 * kPtPerRecTime * kMmPerPt},
      {"guide: depth in km", said(g, "震源の深さが\\s*約 ([0-9]+) km"), depth / kUnit * km},
      {"guide: a mm of time", said(g, "横軸の 1 mm が約 ([0-9.]+) 秒"), 1 / kMmPerPt / kPtPerRecTime * secondsPerTwip},
      {"guide: a run in seconds", said(g, "約 ([0-9]+) 秒分を"), w.sFront * secondsPerTwip},
      {"guide: 遅 run", said(g, "「遅」では ([0-9.]+) 秒で"), slowRun},
      {"guide: speed-up", said(g, "実際の約 ([0-9.]+) 倍"), w.sFront * secondsPerTwip / slowRun},
      {"guide: 遅", said(g, "「遅」（1 回 ([0-9.]+) 秒）"), slowRun},
      {"guide: 速", said(g, "「速」（([0-9.]+) 秒）"), runSeconds("速")},
      {"guide: 中", said(g, "「中」では ([0-9.]+) 秒です"), runSeconds("中")},
      {"guide: warning to E", said(g, "E点 にＳ波が届くまで約 ([0-9]+) 秒"),
       (w.hypoDist[4] - w.hypoDist[0] / 2) * secondsPerTwip},
      {"guide: warning to A", said(g, "A点 自身にＳ波が届くまでは約 ([0-9.]+) 秒"), w.hypoDist[0] / 2 * secondsPerTwip},
      {"worksheet: depth", said(ws, "開いたときの配置では約 ([0-9.]+) 目盛"), depth / kUnit},
      {"guide: P travel a tick", said(g, "1 コマで Ｐ波は約 ([0-9.]+) km"), 2 * observe::kFrontStep / kUnit * km},
      {"guide: seconds a tick", said(g, "1 コマは約 ([0-9.]+) 秒"), 2 * observe::kFrontStep / kUnit * km / vp},
      {"guide: ticks a run", said(g, "全体の ([0-9]+) コマ"), static_cast<double>(ticks)},
      {"guide: a run in real time", said(g, "実時間で約 ([0-9]+) 秒"), ticks * 2 * observe::kFrontStep / kUnit * km / vp},
      {"guide: Omori's k", said(g, "この画面の k は ([0-9]+) km"), 1 / (1 / vs - 1 / vp)},
      {"guide: a miss in km", said(g, "0\\.8 目盛（約 ([0-9]+) km）"), 0.8 * km},
      {"worksheet 2: a step in km", said(doc("worksheet-find.html"), "1 目盛が ([0-9]+) km"), km},
      {"worksheet 2: Omori's k", said(doc("worksheet-find.html"), "＝ ([0-9]+) × 初期微動継続時間"), 1 / (1 / vs - 1 / vp)},
  };
  for (const Said& s : sentences)
    EXPECT_TRUE(reads(s.text, s.model)) << s.where << ": the text says '" << s.text << "', the model " << s.model;
  // The printed and the computed durations differ by less than the guide says.
  const double gap = std::stod(said(g, "([0-9.]+) mm 足らず"));
  for (int i = 0; i < 5; ++i)
    EXPECT_LT(std::abs(printedDurationMm(i) - w.hypoDist[i] / 2 * kPtPerRecTime * kMmPerPt), gap);
  // The lists of the lesson plan's expected answers and of the distances.
  struct Listed { std::string pattern; std::function<double(int)> model; };
  const Listed lists[] = {
      {"震央距離はそれぞれ\\s*約 ([0-9・]+) 目盛", [&](int i) { return w.epiDist[i] / kUnit; }},
      {"予想される答え：A〜E の順に約 ([0-9.・]+) 目盛", [&](int i) { return w.epiDist[i] / kUnit; }},
      {"予想される答え：約 ([0-9.・]+) 目盛", [&](int i) { return w.hypoDist[i] / kUnit; }},
      {"ゆれはじめ 約 ([0-9.・]+) mm", [&](int i) { return printedOnsetMm(i); }},
      {"初期微動継続時間 約 ([0-9.・]+) mm", [&](int i) { return printedDurationMm(i); }},
  };
  for (const Listed& l : lists) {
    const auto values = listed(said(g, l.pattern));
    ASSERT_EQ(values.size(), 5u) << l.pattern;
    for (int i = 0; i < 5; ++i) EXPECT_TRUE(reads(values[i], l.model(i))) << l.pattern << " " << values[i];
  }
}

// The guide's 震源をさがそう example: the stations and the hidden hypocentre
// as the guide tells the teacher to place them, in twips (one arrow press
// moves a marker a grid step), and what the pupils read and work out.
TEST_F(GuideFigures, HiddenHypocentreExampleReadsAsTheModel) {
  const float right[5] = {0, 6, 3, 5, 0};  // grid steps each station moves right
  for (int i = 0; i < 5; ++i) w.obs[i].move(w.obs[i].left() + right[i] * static_cast<float>(kUnit), w.obs[i].top());
  w.foc.move(w.foc.left() + 3 * static_cast<float>(kUnit), w.foc.top());
  w.Command2_Click();
  runToEnd();
  const std::string md = doc("teacher-guide.md"), g = joined(md);
  const double km = std::stod(said(g, "1 目盛を ([0-9]+) km")), vp = std::stod(said(g, "Ｐ波の速さを秒速 ([0-9]+) km"));
  const double vs = std::stod(said(g, "Ｓ波の速さを\\s*秒速 ([0-9]+) km"));
  // The dotted lines a marker's centre sits on: verticals at 480 + 600k
  // twips counted from the left, horizontals 600 apart counted up from the
  // lowest, 3000.
  auto across = [](double x) { return std::lround((x - 480) / kUnit) + 1; };
  auto up = [&](const ui::Shape& s) { return std::lround((3600 - s.top() - s.width() / 2) / kUnit); };
  const double epiAt = static_cast<double>(across(w.epiX));
  int held = 0;
  for (const Table& t : tables(md)) {
    if (t.head[0] != "観測点（例）") continue;
    for (const auto& row : t.rows) {
      const int i = row[0][0] - 'A';
      const double hypoKm = w.hypoDist[i] / kUnit * km;
      for (size_t c = 1; c < row.size(); ++c) {
        const std::string& h = t.head[c];
        if (h == "位置（左から・下から何本目）") {
          const auto at = listed(row[c]);
          EXPECT_EQ(at, (std::vector<std::string>{std::to_string(across(w.obs[i].left() + w.obs[i].width() / 2)),
                                                  std::to_string(up(w.obs[i]))})) << row[0] << ": " << row[c];
          ++held;
          continue;
        }
        double model = NAN;
        if (h == "初期微動継続時間（秒）") model = hypoKm / vs - hypoKm / vp;
        else if (h == "震源距離（km）") model = hypoKm;
        else if (h == "震源距離（目盛）") model = w.hypoDist[i] / kUnit;
        else if (h == "震央距離（目盛）") model = w.epiDist[i] / kUnit;
        EXPECT_TRUE(reads(row[c], model)) << row[0] << ", " << h << ": the guide says " << row[c]
                                          << ", the model " << model;
        ++held;
      }
    }
  }
  EXPECT_EQ(held, 5 * 5);
  // 大森公式 with this screen's k gives the same distance as the model's.
  for (int i = 0; i < 5; ++i) {
    const double ps = w.hypoDist[i] / 2 / kUnit * km / vs;  // S-P in s: the S front lags D/2 twips of its travel
    EXPECT_NEAR(std::stod(said(g, "この画面の k は ([0-9]+) km")) * ps, w.hypoDist[i] / kUnit * km, 1e-9);
  }
  EXPECT_TRUE(reads(said(g, "震央は左から ([0-9]+) 本目の点線"), epiAt));
  EXPECT_TRUE(reads(said(g, "震源の深さは開いたときと同じ約 ([0-9.]+) 目盛"), w.hypoY / kUnit));
  EXPECT_TRUE(reads(said(g, "開いたときと同じ約 [0-9.]+ 目盛（約 ([0-9]+) km）"), w.hypoY / kUnit * km));
}

}  // namespace
}  // namespace observe_test
