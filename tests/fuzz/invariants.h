// What must hold after every event and every tick, whatever the pupil did:
// the general rules of the window layer and the rules of each lesson window.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "tests/fuzz/program.h"
#include "ui/random_input.h"

namespace fuzz {

// What the driver knows about the step just played.
struct Step {
  ui::InputKind kind = ui::InputKind::Count;  // Count: no event (a start, a check by hand)
  bool tick = false;            // one timer tick
  ui::Form* target = nullptr;   // the window the event went to
  const ui::Control* control = nullptr;  // the button clicked, if any
  ui::Form* lessonBefore = nullptr;
  int formsBefore = 0;
};

using Faults = std::vector<std::string>;

// Most drawing operations one tick or one click may make; the busiest tick
// draws four circles and five trace segments.
inline constexpr std::size_t kMaxOpsPerTick = 64;
inline constexpr std::size_t kMaxOpsPerClick = 256;
// Most operations on one printed page: five traces of 458 segments and the
// panels around them.
inline constexpr std::size_t kMaxOpsPerPage = 2600;

// The general rules: finite coordinates everywhere, controls alive exactly
// while their window is loaded, at most one lesson window, the menu taking
// no input meanwhile, bounded drawing and printing.
void checkProgram(Program& p, const Step& s, Faults& out);

// Rules of one kind of lesson window, run while such a window is loaded.
class WindowRule {
 public:
  virtual ~WindowRule() = default;
  virtual const char* name() const = 0;
  virtual bool owns(const ui::Form& f) const = 0;
  virtual void check(Program& p, ui::Form& f, const Step& s, Faults& out) const = 0;
};

// Every window rule in the program (listed in window_rules.cpp).
const std::vector<const WindowRule*>& windowRules();

// Runs the general rules and the rules of the loaded lesson window.
Faults checkAll(Program& p, const Step& s);

// An extra rule checked after the others, for testing the driver itself
// with a fault planted on purpose; an empty function removes it.
using ExtraRule = std::function<void(Program&, const Step&, Faults&)>;
void setExtraRule(ExtraRule r);

}  // namespace fuzz
