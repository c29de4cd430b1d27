// Playing random input on the window layer: each event is resolved against
// what is loaded now and delivered through the window layer's own calls,
// then every rule is checked.
#include "tests/fuzz/driver.h"

#include <algorithm>
#include <sstream>

#include "app/frmMain.h"
#include "tests/fuzz/invariants.h"
#include "ui/touch.h"

namespace fuzz {
namespace {

// The window layer's keys by the engine's names; the others do nothing here.
bool keyOf(const std::string& name, ui::Key& k, int& shift) {
  static const std::pair<const char*, ui::Key> keys[] = {
      {"Tab", ui::Key::Tab},     {"Shift+Tab", ui::Key::Tab}, {"Space", ui::Key::Space},
      {"Enter", ui::Key::Enter}, {"Escape", ui::Key::Escape}, {"Left", ui::Key::Left},
      {"Right", ui::Key::Right}, {"Up", ui::Key::Up},         {"Down", ui::Key::Down}};
  for (auto& [n, key] : keys)
    if (name == n) {
      k = key;
      shift = name == "Shift+Tab" ? ui::kShiftKey : 0;
      return true;
    }
  return false;
}

class Player {
 public:
  Player(Program& p, RunResult& r, Log log) : p_(p), r_(r), log_(log), input_(p.app()) {
    input_.rare = [&p](const ui::Control& c) { return &c == &p.menu().Command9; };
  }

  // Plays one event; false once a rule is broken.
  bool play(const ui::RandomEvent& e) {
    if (p_.ended()) {
      p_.start();
      ++r_.starts;
      step_ = Step{};
      if (!check("program start")) return false;
    }
    step_ = Step{};
    step_.lessonBefore = p_.lesson();
    step_.formsBefore = p_.app().formCount();
    const ui::PupilInput in = input_.resolve(e);
    step_.kind = in.kind;
    step_.target = in.form;
    if (log_ == Log::Json) r_.log.push_back(in.json());
    if (!in.form) return check("no window");
    deliver(*in.form, in);
    if (in.kind == ui::InputKind::Tick) return tick(*in.form, in);
    if (in.kind == ui::InputKind::LateTick) return lateTick(in);
    return check(in.describe());
  }

 private:
  static void mouse(ui::Container& c, ui::PointerAction a, ui::MouseState m, float x, float y) {
    if (a == ui::PointerAction::Move) c.mouseMove(m, x, y);
    if (a == ui::PointerAction::Press || a == ui::PointerAction::Click) c.mouseDown(m, x, y);
    if (a == ui::PointerAction::Release || a == ui::PointerAction::Click) c.mouseUp(m, x, y);
  }

  void deliver(ui::Form& f, const ui::PupilInput& in) {
    auto* list = dynamic_cast<ui::ComboBox*>(in.control);
    switch (in.kind) {
      case ui::InputKind::Button:
      case ui::InputKind::Control:
        if (auto* b = dynamic_cast<ui::Button*>(in.control)) return b->click();
        if (!in.area || list) return;
        in.area->mouseMove({}, in.x, in.y);
        return mouse(*in.area, ui::PointerAction::Click, {1, 0}, in.x, in.y);
      case ui::InputKind::Pointer:
        if (in.action != ui::PointerAction::Drag) return mouse(*in.area, in.action, {in.buttons, 0}, in.x, in.y);
        in.area->mouseDown({in.buttons, 0}, in.x, in.y);
        in.area->mouseMove({in.buttons, 0}, in.x2, in.y2);
        return in.area->mouseUp({in.buttons, 0}, in.x2, in.y2);
      case ui::InputKind::Touch: {
        ui::Touch finger;
        finger.press(*in.area, in.x, in.y, 15);
        const bool drag = in.action == ui::PointerAction::Drag;
        if (drag) finger.move(*in.area, in.x2, in.y2);
        finger.release(*in.area, drag ? in.x2 : in.x, drag ? in.y2 : in.y);
        return;
      }
      case ui::InputKind::Key: {
        ui::Key k;
        int shift = 0;
        auto* focused = dynamic_cast<ui::ComboBox*>(f.keyboard().focused());
        if (focused && (in.key == "Up" || in.key == "Down")) return focused->step(in.key == "Up" ? -1 : 1);
        if (keyOf(in.key, k, shift)) f.keyboard().press(k, shift);
        return;
      }
      case ui::InputKind::Text:
        if (list) list->type(in.text);
        return;
      case ui::InputKind::Pick:
        if (!list) return;
        if (in.value >= 0 && in.value < static_cast<int>(list->items().size())) ++r_.picks;
        return list->pick(in.value);
      case ui::InputKind::Wheel:
        if (list) list->step(in.value);
        return;
      case ui::InputKind::Focus:
        if (in.control) f.keyboard().setFocus(in.control);
        return;
      case ui::InputKind::CloseBox: return f.closeBox();
      default: return;  // zoom keys are the hosts'; ticks are played below
    }
  }

  bool check(const std::string& what) {
    if (log_ == Log::Text) r_.log.push_back(what);
    r_.pages += p_.pages.size();
    step_.control = p_.clicked.empty() ? nullptr : p_.clicked.back();
    Faults faults = checkAll(p_, step_);
    p_.forget();
    if (faults.empty()) return true;
    r_.ok = false;
    r_.fault = faults.front();
    return false;
  }

  bool tick(ui::Form& f, const ui::PupilInput& in) {
    // A window without a timer just waits.
    if (!in.timer) return check(in.describe());
    if (log_ == Log::Text) r_.log.push_back(in.describe() + (in.timer->enabled() ? "" : " (disabled)"));
    step_.tick = true;
    for (int i = 0; i < in.value && f.loaded(); ++i) {
      in.timer->tick();
      ++r_.ticks;
      if (!check("")) return false;
      if (log_ == Log::Text) r_.log.pop_back();
    }
    return true;
  }

  bool lateTick(const ui::PupilInput& in) {
    auto [w, t] = p_.unloadedTimer(static_cast<std::size_t>(in.value));
    step_.tick = true;
    step_.target = nullptr;
    if (!t) return check("no unloaded window with a timer");
    t->tick();
    ++r_.ticks;
    return check("「" + w->style().caption + "」 (unloaded): late tick of " + t->name());
  }

  Program& p_;
  RunResult& r_;
  Log log_;
  ui::RandomInput input_;
  Step step_;
};

}  // namespace

RunResult run(const std::vector<ui::RandomEvent>& events, Log log) {
  RunResult r;
  Program p;
  p.start();
  r.starts = 1;
  Player player(p, r, log);
  for (std::size_t i = 0; i < events.size(); ++i) {
    ++r.events;
    if (!player.play(events[i])) {
      r.failedAt = i;
      return r;
    }
  }
  return r;
}

std::vector<ui::RandomEvent> minimise(const std::vector<ui::RandomEvent>& input, const std::string& fault, std::size_t maxRuns) {
  std::vector<ui::RandomEvent> events = input;
  std::size_t runs = 0;
  auto fails = [&](const std::vector<ui::RandomEvent>& v) {
    ++runs;
    RunResult r = run(v);
    return !r.ok && r.fault == fault;
  };
  // Only what came before the failure can matter.
  {
    RunResult r = run(events);
    if (r.ok) return events;
    events.resize(r.failedAt + 1);
  }
  std::size_t n = 2;
  while (events.size() >= 2 && runs < maxRuns) {
    const std::size_t chunk = (events.size() + n - 1) / n;
    bool reduced = false;
    for (std::size_t start = 0; start < events.size() && !reduced && runs < maxRuns; start += chunk) {
      const std::size_t end = std::min(events.size(), start + chunk);
      std::vector<ui::RandomEvent> only(events.begin() + static_cast<std::ptrdiff_t>(start),
                              events.begin() + static_cast<std::ptrdiff_t>(end));
      if (only.size() < events.size() && fails(only)) {
        events = only;
        n = 2;
        reduced = true;
        break;
      }
      std::vector<ui::RandomEvent> rest(events.begin(), events.begin() + static_cast<std::ptrdiff_t>(start));
      rest.insert(rest.end(), events.begin() + static_cast<std::ptrdiff_t>(end), events.end());
      if (!rest.empty() && fails(rest)) {
        events = rest;
        n = std::max<std::size_t>(n - 1, 2);
        reduced = true;
      }
    }
    if (!reduced) {
      if (n >= events.size()) break;
      n = std::min(events.size(), n * 2);
    }
  }
  return events;
}

std::string reproducer(const std::vector<ui::RandomEvent>& events, const RunResult& failed) {
  std::vector<ui::RandomEvent> shortest = minimise(events, failed.fault);
  RunResult r = run(shortest, Log::Text);
  std::ostringstream out;
  out << "fault: " << failed.fault << "\n";
  out << "after event " << failed.failedAt << " of the sequence; shortest reproducer, "
      << shortest.size() << " event(s):\n";
  for (const std::string& line : r.log)
    if (!line.empty()) out << "  " << line << "\n";
  out << "raw events:\n";
  for (const ui::RandomEvent& e : shortest) out << "  " << ui::describe(e) << "\n";
  return out.str();
}

}  // namespace fuzz
