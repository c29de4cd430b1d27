// The observation window in a class: a row of buttons under the lesson's own
// (a tick at a time, real time, the last record kept faint for comparison,
// the results saved, the layout handed on), a hypocentre the pupils find from
// the record with guesses they place as they place the stations, and the
// answer. None of it is built unless the window was given a class layout.
#include <chrono>
#include <cmath>
#include <ctime>

#include "observe/colours.h"
#include "observe/frm_Kansoku.h"
#include "observe/result_table.h"
#include "observe/seismogram.h"
#include "ui/decimal.h"
#include "ui/pdf_page.h"

namespace observe {

using namespace ui;

namespace {

constexpr float kLessonHeight = 7935, kClassHeight = 8580;
constexpr Color kGuessFill = 0x0080FF80, kGuessBorder = 0x00008000, kGuessLine = 0x00008000;
constexpr Color kPreviousTrace = 0x00B0B0B0;
constexpr float kPointerOffset = 50;  // as a carried station: the pointer near the marker's centre
const Font kLabelFont{kPGothic, 8.25f, false};

std::string unitsAndKm(double twips) {
  return fixedDecimal(twips / kTwipsPerUnit, 1) + " 目盛（約 " + fixedDecimal(twips / kTwipsPerUnit * kKmPerUnit, 0) +
         " km）";
}

std::string today() {
  const std::time_t t = std::chrono::system_clock::to_time_t(std::chrono::system_clock::now());
  std::tm local{};
  localtime_r(&t, &local);
  return std::to_string(local.tm_year + 1900) + "-" + padded(static_cast<unsigned>(local.tm_mon + 1), 2) + "-" +
         padded(static_cast<unsigned>(local.tm_mday), 2);
}

}  // namespace

void frm_Kansoku::setClassLayout(std::optional<ClassLayout> l) {
  classLayout_ = std::move(l);
  setClientSize(style().clientWidth, classLayout_ ? kClassHeight : kLessonHeight);
}

ClassLayout frm_Kansoku::currentLayout() const {
  ClassLayout l = classLayout_.value_or(ClassLayout{});
  for (size_t i = 0; i < obs.size(); ++i) l.stations[i] = {obs[i].left(), obs[i].top()};
  l.hypocentre = {foc.left(), foc.top()};
  l.magnitude = sizeFromText(mag.text());
  l.interval = intervalFromText(speed.text());
  l.realTime = realTime;
  return l;
}

void frm_Kansoku::sayToClass(const std::string& text) {
  if (!classMode() || !loaded()) return;
  classNote.setCaption(text);
  announce(text);
}

void frm_Kansoku::designClass() {
  const ClassLayout& l = *classLayout_;
  struct Row { Button& b; const char* name; float width; const char* text; void (frm_Kansoku::*click)(); };
  float x = 120;
  for (Row r : {Row{cmdStep, "cmdStep", 1095, "1コマ進める", &frm_Kansoku::cmdStep_Click},
                Row{cmdPace, "cmdPace", 1455, "実時間で動かす", &frm_Kansoku::cmdPace_Click},
                Row{cmdClear, "cmdClear", 1335, "前の記録を消す", &frm_Kansoku::cmdClear_Click},
                Row{cmdAnswer, "cmdAnswer", 1095, "答え合わせ", &frm_Kansoku::cmdAnswer_Click},
                Row{cmdSave, "cmdSave", 1095, "結果を保存", &frm_Kansoku::cmdSave_Click},
                Row{cmdShare, "cmdShare", 1335, "この配置を配る", nullptr}}) {
    add(r.b, r.name, {x, 7800, r.width, 375}).setCaption(r.text);
    if (r.click) r.b.onClick = [this, f = r.click] { (this->*f)(); };
    x += r.width + 105;
  }
  cmdShare.onClick = [this] { if (onShare) onShare(); };
  cmdShare.setVisible(!l.pupil);
  cmdAnswer.setVisible(l.hidden);
  add(classNote, "classNote", {120, 8250, 10830, 255}).setFont(kLabelFont);

  // The guesses start side by side in the middle of each view, away from the stations.
  struct Guess { Shape& s; Label& n; Line& line; PictureBox& view; RectF at; const char* name; };
  int view = 0;
  for (Guess g : {Guess{guess, nguess, guessLine, map1, {3000, 1500, 135, 135}, "震央の予想"},
                  Guess{guess2, nguess2, guessLine2, map2, {3000, 600, 135, 135}, "震源の予想"}}) {
    addLine(g.line, view ? "guessLine2" : "guessLine", 0, 0, 0, 0, &g.view).setColor(kGuessLine);
    g.line.setWidthPixels(2);
    g.line.setVisible(false);
    add(g.s, view ? "guess2" : "guess", g.at, &g.view);
    g.s.setShape(ShapeKind::Circle);
    g.s.setFilled(true);
    g.s.setFillColor(kGuessFill);
    g.s.setBorderColor(kGuessBorder);
    add(g.n, view ? "nguess2" : "nguess", {g.at.left, g.at.top - 10, 495, 255}, &g.view).setCaption("　予想");
    g.n.setTransparent(true);
    g.n.setFont(kLabelFont);
    g.n.setForeColor(kGuessBorder);
    g.n.setAccessibleName(g.name);
    g.n.onClick = [this, view] { nguess_Click(view); };
    g.n.onMouseMove = [this, view](MouseState s, float mx, float my) { nguess_MouseMove(view, s, mx, my); };
    g.s.setVisible(l.hidden);
    g.n.setVisible(l.hidden);
    keyboard().addTarget(g.n, [this, view] { return guessMoving == view; });
    ++view;
  }
  applyClassLayout();
}

// The link's layout, each time the window opens in the class.
void frm_Kansoku::applyClassLayout() {
  const ClassLayout& l = *classLayout_;
  for (size_t i = 0; i < obs.size(); ++i) obs[i].move(l.stations[i].left, l.stations[i].top);
  foc.move(l.hypocentre.left, l.hypocentre.top);
  mag.setText(sizeText(l.magnitude));
  speed.setText(speedText(l.interval));
  realTime = l.realTime;
  Timer1.setInterval(realTime ? kRealTimeInterval : l.interval);
  cmdPace.setCaption(realTime ? "元の速さにもどす" : "実時間で動かす");
  hypocentreHidden = l.hidden;
  showHypocentre(!l.hidden);
  guessMoving = -1;
  previous_.reset();
  recordKept_ = false;
}

void frm_Kansoku::showHypocentre(bool shown) {
  for (Control* c : std::initializer_list<Control*>{&foc, &nfoc, &lfoc, &nfoc2}) c->setVisible(shown);
}

// Paused: one tick. Running: a pause. Otherwise the earthquake sets off and
// waits at its first tick.
void frm_Kansoku::cmdStep_Click() {
  if (Timer1.enabled()) {
    Command3_Click();
  } else if (Command4.visible() && sFront > 0) {
    Timer1_Timer();
  } else {
    Command2_Click();
    Command3_Click();
  }
}

void frm_Kansoku::cmdPace_Click() {
  realTime = !realTime;
  Timer1.setInterval(realTime ? kRealTimeInterval : intervalFromText(speed.text()));
  cmdPace.setCaption(realTime ? "元の速さにもどす" : "実時間で動かす");
  sayToClass(realTime ? "実時間で動かします（1 目盛を 20 km、Ｐ波を秒速 6 km として）。"
                      : "「ｼﾐｭﾚｰｼｮﾝの速度」の速さにもどしました。");
}

void frm_Kansoku::cmdClear_Click() {
  previous_.reset();
  kiroku.surface().clear();
  if (sFront > 0 && recordKept_) replayTraces({hypoDist, epiDist, runMagnitude_, sFront}, paletteColor(kTraceColour));
}

void frm_Kansoku::replayPrevious() { replayTraces(*previous_, kPreviousTrace); }

void frm_Kansoku::replayTraces(const Run& run, Color colour) {
  for (size_t i = 0; i < 5; ++i) {
    double last = 0;
    for (int S = 0; S < run.lastS; S += kFrontStep) {
      const double now = traceOffset(S, run.hypoDist[i], run.magnitude);
      drawTraceSegment(S, run.epiDist[i], last, now, colour);
      last = now;
    }
  }
}

void frm_Kansoku::cmdAnswer_Click() {
  if (!hypocentreHidden) return;
  hypocentreHidden = false;
  showHypocentre(true);
  alignEpicentreLine();
  cmdAnswer.setVisible(false);
  if (printDue_) Command5.setVisible(true);
  const float half = foc.width() / 2;
  const float epiAt = foc.left() + half, focY = foc.top() + half;
  const float g1x = guess.left() + half, g1y = guess.top() + half;
  const float g2x = guess2.left() + half, g2y = guess2.top() + half;
  guessLine.setPoints(g1x, g1y, epiAt, map1.height());
  guessLine2.setPoints(g2x, g2y, epiAt, focY);
  guessLine.setVisible(true);
  guessLine2.setVisible(true);
  sayToClass("震央の予想は " + unitsAndKm(std::hypot(g1x - epiAt, g1y - map1.height())) +
             "ずれていました。震源の予想は " + unitsAndKm(std::hypot(g2x - epiAt, g2y - focY)) +
             "ずれていました。");
}

void frm_Kansoku::cmdSave_Click() {
  if (sFront <= 0) {
    sayToClass("「地震発生」で地震を起こしてから保存してください。");
    return;
  }
  const std::string name = resultFileName(today(), hypoX, hypoY, sizeText(magnitude), "csv");
  // While the pupils are finding the hypocentre, the table keeps its
  // distances back and the page, which shows it, waits for the answer.
  std::vector<SavedFile> files{{name, "text/csv", resultCsv(hypoDist, epiDist, !hypocentreHidden)}};
  if (!hypocentreHidden) {
    RecordingPrinter report;
    printReport(report, reportInputs());
    files.push_back({name.substr(0, name.size() - 3) + "pdf", "application/pdf", pdfOf(report.pages().at(0))});
  }
  switch (app().saveFiles(files)) {
    case SaveResult::Saved:
      sayToClass("「" + name + (files.size() > 1 ? "」と、同じ名前の PDF（印刷のページ）を保存しました。" : "」を保存しました。"));
      break;
    case SaveResult::Cancelled: break;
    case SaveResult::Failed:
      sayToClass("結果を保存できませんでした。この端末でファイルの保存が許されているか、先生に確かめてください。");
      break;
  }
}

void frm_Kansoku::nguess_Click(int view) {
  Shape& s = view ? guess2 : guess;
  if (guessMoving == view) {
    guessMoving = -1;
    s.setFillColor(kGuessFill);
  } else if (guessMoving < 0) {
    guessMoving = view;
    (view ? map2 : map1).bringToFront(view ? nguess2 : nguess);
    s.setFillColor(kCarriedFill);
  }
}

void frm_Kansoku::nguess_MouseMove(int view, MouseState, float x, float y) {
  if (guessMoving != view) return;
  const Label& n = view ? nguess2 : nguess;
  moveGuess(view, n.left() + x - kPointerOffset, n.top() + y - kPointerOffset + 10);
}

// The marker stays whole inside its view; its label keeps 10 twips above it,
// as the stations' labels do.
bool frm_Kansoku::moveGuess(int view, float left, float top) {
  Shape& s = view ? guess2 : guess;
  const PictureBox& box = view ? map2 : map1;
  if (left < 0 || top < 0 || left > box.width() - s.width() || top > box.height() - s.width()) return false;
  s.move(left, top);
  (view ? nguess2 : nguess).move(left, top - 10);
  return true;
}

}  // namespace observe
