// Every animated window's frame (tick + host repaint, offscreen, 100 %) beside
// its floor: the same tick and plain QPainter calls painting the same
// primitives into an image of its size (bench/bare_scene). CPU time, rounds
// interleaved, medians; the last line names each window over 1.0 x its floor.
#include <QApplication>
#include <QPainter>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string_view>
#include <ctime>
#include <functional>
#include <string>
#include <vector>

#include "bench/bare_scene.h"
#include "bench/offscreen.h"
#include "observe/frm_Kansoku.h"
#include "record/frm_Kiroku.h"
#include "waves/frm_Pwave.h"
#include "waves/frm_Swave.h"
#include "waves/frm_Wave.h"
#include "waves/frm_Wave2.h"

namespace {

// Rounds per window (the second argument, if given).
int rounds = 7;
// Only the windows whose names start with this (the first argument), if given.
const char* only = nullptr;
// A window's frame may cost at most this many times its floor's.
constexpr double kBudget = 1.0;
// The windows over it, as "name ratio×".
std::vector<std::string> over;

double cpuMicros() {
  timespec t{};
  clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
  return static_cast<double>(t.tv_sec) * 1e6 + static_cast<double>(t.tv_nsec) / 1e3;
}

double median(std::vector<double> v) {
  std::sort(v.begin(), v.end());
  return v[v.size() / 2];
}

// The window on the host: ticks with the repaint Qt does once control
// returns. Posted events are what the repaint is made of; the event loop's
// poll for input comes with every timer event of any Qt program and is not
// counted.
template <class W>
struct Program : OffscreenWindow<W> {
  std::function<void(W&)> each;
  void frame() {
    if (each) each(this->w);
    this->w.Timer1.tick();
    this->host.applyChanges();
    QCoreApplication::sendPostedEvents();
  }
};

// The same window with no host: its tick, then the floor's repaint of the
// bands that hold moving controls and of where drawings landed.
template <class W>
struct Floor {
  ui::Application app;
  W w{app};
  std::unique_ptr<bench::BareScene> scene;
  QImage image;
  std::function<std::vector<QRect>(W&)> bands;
  std::function<void(W&)> each;
  explicit Floor(std::function<std::vector<QRect>(W&)> b) : bands(std::move(b)) {
    w.show();
    scene = std::make_unique<bench::BareScene>(w);
    const ui::WindowStyle& st = w.style();
    image = QImage(static_cast<int>(st.clientWidth / 15), static_cast<int>(st.clientHeight / 15), QImage::Format_RGB32);
    QPainter p(&image);
    scene->paint(p, image.rect());
  }
  ~Floor() {
    scene.reset();
    w.unload();
  }
  void frame() {
    if (each) each(w);
    w.Timer1.tick();
    std::vector<QRect> areas = bands(w);
    for (const QRect& r : scene->takeDrawn()) areas.push_back(r);
    QPainter p(&image);
    for (const QRect& r : areas) scene->paint(p, r);
  }
};

// `each` runs before every tick of both (to start a run or a record anew).
template <class W>
void compare(const char* name, int ticks, std::function<std::vector<QRect>(W&)> bands,
             std::function<void(W&)> each = {}) {
  if (only && std::string_view(name).substr(0, std::strlen(only)) != only) return;
  Program<W> program;
  Floor<W> floor(bands);
  program.each = each;
  floor.each = each;
  std::vector<double> ours, bare;
  for (int round = 0; round < rounds; ++round) {
    double t0 = cpuMicros();
    for (int k = 0; k < ticks; ++k) program.frame();
    ours.push_back((cpuMicros() - t0) / ticks);
    t0 = cpuMicros();
    for (int k = 0; k < ticks; ++k) floor.frame();
    bare.push_back((cpuMicros() - t0) / ticks);
  }
  const double o = median(ours), b = median(bare);
  char ratio[32];
  std::snprintf(ratio, sizeof ratio, "%.2f", o / b);
  // Judged on the ratio as printed, so a printed 1.00 is never over 1.0.
  const bool late = std::strtod(ratio, nullptr) > kBudget;
  std::printf("%-28s %10.1f %10.1f %8s%s\n", name, o, b, ratio, late ? "  over budget" : "");
  if (late) over.push_back(std::string(name) + " " + ratio + "×");
}

std::vector<QRect> oneBand(const ui::Shape& s) { return {bench::BareScene::pixels(s)}; }
template <class A>
std::vector<QRect> bandsOf(const A& shapes) {
  std::vector<QRect> out;
  for (const ui::Shape& s : shapes) out.push_back(bench::BareScene::pixels(s));
  return out;
}

// Keeps a run or a record going: "地震発生" or "もう一度" once it has ended.
template <class W>
void keepRunning(W& w) {
  if (!w.Timer1.enabled()) w.Command2_Click();
}

// The window's controls a tick showed or hid: a hand-written program
// repaints each where it stands (a label, or a line with its width).
class Shown {
 public:
  void before(const ui::Form& f) {
    seen_.clear();
    for (const ui::Control* c : f.children()) seen_.push_back(c->visible());
  }
  std::vector<QRect> changed(const ui::Form& f) const {
    std::vector<QRect> out;
    const auto& all = f.children();
    for (size_t i = 0; i < all.size() && i < seen_.size(); ++i)
      if (all[i]->visible() != seen_[i]) {
        const ui::RectF b = all[i]->bounds();
        out.push_back(QRect(QPoint(static_cast<int>(std::floor(b.left / 15)), static_cast<int>(std::floor(b.top / 15))),
                            QPoint(static_cast<int>(std::ceil((b.left + b.width) / 15)),
                                   static_cast<int>(std::ceil((b.top + b.height) / 15)))));
      }
    return out;
  }

 private:
  std::vector<bool> seen_;
};

}  // namespace

int main(int argc, char** argv) {
  if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication qapp(argc, argv);
  zemlox::qt::installFonts();
  if (argc > 1) only = argv[1];
  if (argc > 2) rounds = std::max(1, std::atoi(argv[2]));
  std::printf("CPU microseconds per frame (tick + repaint), median of %d rounds\n", rounds);
  std::printf("%-28s %10s %10s %8s\n", "window", "program", "floor", "ratio");
  compare<waves::frm_Pwave>("Pwave (31 particles)", 200, [](auto& w) { return oneBand(w.Shape1); });
  compare<waves::frm_Swave>("Swave (31 particles)", 200, [](auto& w) { return oneBand(w.Shape1); });
  compare<waves::frm_Wave>("Wave (62 particles)", 200, [](auto& w) { return bandsOf(w.Shape1); });
  compare<waves::frm_Wave2>("Wave2 (250 lines)", 200, [](auto& w) { return bandsOf(w.Shape1); });
  auto none = [](auto&) { return std::vector<QRect>{}; };
  // The record shows its explanations and markers as the pen passes them.
  Shown shown;
  compare<record::frm_Kiroku>(
      "Kiroku (one segment)", 500, [&](auto& w) { return shown.changed(w); },
      [&](auto& w) {
        keepRunning(w);
        shown.before(w);
      });
  compare<observe::frm_Kansoku>("Kansoku run (4 discs, 5 traces)", 400, none,
                                keepRunning<observe::frm_Kansoku>);
  std::string last;
  for (const std::string& w : over) last += (last.empty() ? "" : ", ") + w;
  std::printf("over budget (%.1f× floor): %s\n", kBudget, last.empty() ? "none" : last.c_str());
  return 0;
}
