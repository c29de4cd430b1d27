// Rules of the observation window: its state table (timer against the pause,
// restart and print buttons and the instruction label), a hypocentre below
// the surface, the run clock within the run, settings within their choices,
// and printing only from a finished run, changing nothing on the screen.
#include <cmath>

#include "observe/frm_Kansoku.h"
#include "tests/fuzz/rules.h"

namespace fuzz {
namespace {

class ObservationRule : public WindowRule {
 public:
  const char* name() const override { return "observation window"; }
  bool owns(const ui::Form& f) const override { return dynamic_cast<const observe::frm_Kansoku*>(&f); }
  void check(Program& p, ui::Form& f, const Step& s, Faults& out) const override {
    auto& w = static_cast<observe::frm_Kansoku&>(f);
    stateTable(w, out);
    model(w, out);
    if (!p.pages.empty()) {
      if (s.control != &w.Command5) out.push_back("a page printed by something other than 印刷");
      if (!w.Command5.visible() || w.Timer1.enabled()) out.push_back("a page printed outside a finished run");
      if (!p.sink.ops.empty()) out.push_back("printing drew on the screen");
    }
  }

 private:
  static void stateTable(observe::frm_Kansoku& w, Faults& out) {
    if (!w.Command1.visible() || !w.Command2.visible()) out.push_back("observation: 閉じる or 地震発生 hidden");
    const bool c3 = w.Command3.visible(), c4 = w.Command4.visible(), c5 = w.Command5.visible();
    const bool hint = w.objido.visible();
    const char* state = nullptr;
    if (w.Timer1.enabled()) {
      if (c3 && !c4 && !c5 && !hint) state = "Running";
    } else if (hint) {
      if (!c3 && !c4 && !c5) state = "Idle";
      if (c3 && c4 && !c5) state = "Paused";
      if (!c3 && !c4 && c5) state = "Finished";
    }
    if (!state)
      out.push_back(std::string("observation state table broken: timer ") + (w.Timer1.enabled() ? "on" : "off") +
                    ", 一時停止 " + (c3 ? "shown" : "hidden") + ", 再スタート " + (c4 ? "shown" : "hidden") +
                    ", 印刷 " + (c5 ? "shown" : "hidden") + ", instruction " + (hint ? "shown" : "hidden"));
  }

  static void model(observe::frm_Kansoku& w, Faults& out) {
    const double depth = static_cast<double>(w.foc.top()) + w.foc.width() / 2.0;
    if (!(depth > 0)) out.push_back("hypocentre depth " + std::to_string(depth) + " not below the surface");
    const double limit = std::hypot(static_cast<double>(w.map1.width()),
                                    static_cast<double>(w.map1.height()) + w.map2.height());
    if (w.sFront < 0 || w.sFront % 20 != 0 || w.sFront > limit + 20)
      out.push_back("observation run clock " + std::to_string(w.sFront) + " outside the run");
    if (w.magnitude < 1 || w.magnitude > 3) out.push_back("earthquake size " + std::to_string(w.magnitude));
    const int ms = w.Timer1.interval();
    if (ms != 10 && ms != 20 && ms != 50) out.push_back("observation timer interval " + std::to_string(ms));
    for (const std::string* flag : {&w.stationMoving, &w.focMoving})
      if (*flag != "yes" && *flag != "no") out.push_back("carry flag \"" + *flag + "\"");
    if (w.movingIndex < 0 || w.movingIndex > 4) out.push_back("carried station " + std::to_string(w.movingIndex));
    if (w.Timer1.enabled()) {
      if (!(w.hypoY > 0)) out.push_back("a run with the hypocentre at depth " + std::to_string(w.hypoY));
      for (int i = 0; i < 5; ++i) {
        const double d = w.hypoDist[static_cast<size_t>(i)], e = w.epiDist[static_cast<size_t>(i)];
        if (!std::isfinite(d) || !std::isfinite(e) || d < e || d + 1e-3 < w.hypoY)
          out.push_back("station " + std::to_string(i) + " distances D " + std::to_string(d) + ", Δ " +
                        std::to_string(e) + " impossible at depth " + std::to_string(w.hypoY));
      }
    }
  }
};

}  // namespace

const WindowRule& observationRule() {
  static const ObservationRule rule;
  return rule;
}

}  // namespace fuzz
