// The rules of the lesson windows. The band rule holds for every lesson
// that animates particles or wire frames over pale bands; the others read
// the state a particular window exposes.
#include <cmath>
#include <numbers>

#include "tests/fuzz/invariants.h"
#include "waves/frm_Pwave.h"

namespace fuzz {
namespace {

constexpr double kTurn = 2 * std::numbers::pi;
// Lines of a wire-frame block may reach this far past their band (twips).
constexpr float kLineMargin = 150;

bool isBand(const ui::Control& c) {
  if (c.kind() != ui::ControlKind::Shape) return false;
  const auto& s = static_cast<const ui::Shape&>(c);
  return s.shape() == ui::ShapeKind::Rectangle && s.filled();
}

bool inside(const ui::RectF& band, float x, float y, float margin) {
  return x >= band.left - margin && x <= band.right() + margin && y >= band.top - margin &&
         y <= band.bottom() + margin;
}

// Every particle (a circle on the window) and every line on the window stays
// on one of the window's bands.
class BandRule : public WindowRule {
 public:
  const char* name() const override { return "particles and lines stay on their bands"; }
  bool owns(const ui::Form& f) const override {
    for (ui::Control* c : f.controls())
      if (c->container() == &f && isBand(*c)) return true;
    return false;
  }
  void check(Program&, ui::Form& f, const Step&, Faults& out) const override {
    std::vector<ui::RectF> bands;
    for (ui::Control* c : f.controls())
      if (c->container() == &f && isBand(*c)) bands.push_back({c->left(), c->top(), c->width(), c->height()});
    for (ui::Control* c : f.controls()) {
      if (c->container() != &f) continue;
      bool ok = true;
      if (c->kind() == ui::ControlKind::Shape && static_cast<ui::Shape*>(c)->shape() == ui::ShapeKind::Circle) {
        ok = onBand(bands, c->left(), c->top(), 0) && onBand(bands, c->left() + c->width(), c->top() + c->height(), 0);
      } else if (c->kind() == ui::ControlKind::Line) {
        auto* l = static_cast<ui::Line*>(c);
        ok = onBand(bands, l->x1(), l->y1(), kLineMargin) && onBand(bands, l->x2(), l->y2(), kLineMargin);
      }
      if (!ok) {
        out.push_back(f.style().caption + " " + c->name() + "(" + std::to_string(c->index()) +
                      ") has left its band");
        return;
      }
    }
  }

 private:
  static bool onBand(const std::vector<ui::RectF>& bands, float x, float y, float margin) {
    for (const ui::RectF& b : bands)
      if (inside(b, x, y, margin)) return true;
    return false;
  }
};

class PwaveRule : public WindowRule {
 public:
  const char* name() const override { return "P wave: phase in [0, 2π)"; }
  bool owns(const ui::Form& f) const override { return dynamic_cast<const waves::frm_Pwave*>(&f); }
  void check(Program&, ui::Form& f, const Step&, Faults& out) const override {
    const double ph = static_cast<waves::frm_Pwave&>(f).phase();
    if (!(ph >= 0 && ph < kTurn)) out.push_back("P wave phase " + std::to_string(ph) + " outside [0, 2π)");
  }
};

const BandRule bandRule;
const PwaveRule pwaveRule;

}  // namespace

const std::vector<const WindowRule*>& windowRules() {
  static const std::vector<const WindowRule*> rules{&bandRule, &pwaveRule};
  return rules;
}

}  // namespace fuzz
