// Rules of the four wave windows: every phase stays in [0, 2π).
#include <cmath>
#include <numbers>

#include "tests/fuzz/rules.h"
#include "waves/frm_Pwave.h"
#include "waves/frm_Swave.h"
#include "waves/frm_Wave.h"
#include "waves/frm_Wave2.h"

namespace fuzz {
namespace {

void checkPhase(const char* which, double ph, Faults& out) {
  if (!(ph >= 0 && ph < 2 * std::numbers::pi))
    out.push_back(std::string(which) + " phase " + std::to_string(ph) + " outside [0, 2π)");
}

class WaveRules : public WindowRule {
 public:
  const char* name() const override { return "wave phases in [0, 2π)"; }
  bool owns(const ui::Form& f) const override {
    return dynamic_cast<const waves::frm_Pwave*>(&f) || dynamic_cast<const waves::frm_Swave*>(&f) ||
           dynamic_cast<const waves::frm_Wave*>(&f) || dynamic_cast<const waves::frm_Wave2*>(&f);
  }
  void check(Program&, ui::Form& f, const Step&, Faults& out) const override {
    if (auto* w = dynamic_cast<waves::frm_Pwave*>(&f)) checkPhase("P wave", w->phase(), out);
    if (auto* w = dynamic_cast<waves::frm_Swave*>(&f)) checkPhase("S wave", w->phase(), out);
    if (auto* w = dynamic_cast<waves::frm_Wave*>(&f)) {
      checkPhase("particle rows, P", w->phaseP(), out);
      checkPhase("particle rows, S", w->phaseS(), out);
    }
    if (auto* w = dynamic_cast<waves::frm_Wave2*>(&f)) {
      checkPhase("blocks, P", w->phaseP(), out);
      checkPhase("blocks, S", w->phaseS(), out);
    }
  }
};

}  // namespace

const WindowRule& waveRules() {
  static const WaveRules rule;
  return rule;
}

}  // namespace fuzz
