// The band rule, which holds for every lesson that animates particles or
// wire frames over pale bands, and the list of all window rules.
#include "tests/fuzz/rules.h"

namespace fuzz {
namespace {

// Lines of a wire-frame block may reach this far past their band (twips).
constexpr float kLineMargin = 150;

bool isBand(const ui::Control& c) {
  if (c.kind() != ui::ControlKind::Shape) return false;
  const auto& s = static_cast<const ui::Shape&>(c);
  return s.shape() == ui::ShapeKind::Rectangle && s.filled();
}

bool onBand(const std::vector<ui::RectF>& bands, float x, float y, float margin) {
  for (const ui::RectF& b : bands)
    if (x >= b.left - margin && x <= b.right() + margin && y >= b.top - margin && y <= b.bottom() + margin)
      return true;
  return false;
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
        ok = onBand(bands, c->left(), c->top(), 0) &&
             onBand(bands, c->left() + c->width(), c->top() + c->height(), 0);
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
};

}  // namespace

const WindowRule& bandRule() {
  static const BandRule rule;
  return rule;
}

const std::vector<const WindowRule*>& windowRules() {
  static const std::vector<const WindowRule*> rules{&bandRule(), &waveRules(), &recordRule(),
                                                    &observationRule()};
  return rules;
}

}  // namespace fuzz
