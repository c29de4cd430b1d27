// Rules of the seismograph record: the pen's travel within its counter and
// the strip, the trace on the strip, and the explanations appearing in order.
#include <cmath>
#include <initializer_list>

#include "record/frm_Kiroku.h"
#include "tests/fuzz/rules.h"

namespace fuzz {
namespace {

class RecordRule : public WindowRule {
 public:
  const char* name() const override { return "seismograph record"; }
  bool owns(const ui::Form& f) const override { return dynamic_cast<const record::frm_Kiroku*>(&f); }
  void check(Program& p, ui::Form& f, const Step&, Faults& out) const override {
    auto& w = static_cast<record::frm_Kiroku&>(f);
    const ui::RectF strip{w.Shape1.left(), w.Shape1.top(), w.Shape1.width(), w.Shape1.height()};
    const float travelled = strip.left + strip.width / 20 + static_cast<float>(w.penTravel());
    const float end = strip.right() - strip.width / 20;
    if (w.penTravel() < 0 || w.penTravel() % 20 != 0 || travelled > end + 20)
      out.push_back("record pen travel " + std::to_string(w.penTravel()) + " outside the strip");
    if (!w.Timer1.enabled() && travelled <= end)
      out.push_back("record stopped before the pen reached the strip's end");
    if (!std::isfinite(w.disp()) || std::abs(w.disp()) > strip.height / 2)
      out.push_back("record displacement " + std::to_string(w.disp()) + " leaves the strip");
    for (const ui::DrawOp& op : p.sink.ops) {
      if (op.surface != &w.surface() || op.kind != ui::DrawOp::Line) continue;
      if (!strip.contains(op.x1, op.y1) || !strip.contains(op.x2, op.y2))
        out.push_back("record trace segment drawn off the strip");
    }
    // (1) always; (2) … (5) one after another; the markers with (5).
    const bool shown[] = {w.Label3.visible(), w.Label4.visible(), w.Label5.visible(), w.Label6.visible(),
                          w.Label7.visible()};
    if (!shown[0]) out.push_back("record explanation (1) hidden");
    for (int i = 1; i < 4; ++i)
      if (shown[i + 1] && !shown[i]) out.push_back("record explanation (" + std::to_string(i + 2) + ") shown before (" + std::to_string(i + 1) + ")");
    for (const ui::Control* c : std::initializer_list<const ui::Control*>{&w.Line1, &w.Line2, &w.Line3, &w.Label8})
      if (c->visible() != shown[4]) out.push_back("record marker " + c->name() + " out of step with (5)");
    if (w.Label9.visible() != shown[1] || w.Label10.visible() != shown[2])
      out.push_back("record annotations out of step with their explanations");
  }
};

}  // namespace

const WindowRule& recordRule() {
  static const RecordRule rule;
  return rule;
}

}  // namespace fuzz
