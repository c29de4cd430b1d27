// Playing events: each event is resolved against what is on the screen now,
// then every rule is checked.
#include "tests/fuzz/driver.h"

#include <algorithm>
#include <cmath>
#include <sstream>

#include "app/frmMain.h"
#include "tests/fuzz/invariants.h"

namespace fuzz {
namespace {

template <class T>
std::vector<T*> controlsOf(ui::Form& f, ui::ControlKind k) {
  std::vector<T*> v;
  for (ui::Control* c : f.controls())
    if (c->kind() == k) v.push_back(static_cast<T*>(c));
  return v;
}

std::vector<ui::Container*> containersOf(ui::Form& f) {
  std::vector<ui::Container*> v{&f};
  for (ui::Control* c : f.controls()) {
    if (c->kind() == ui::ControlKind::Frame) v.push_back(static_cast<ui::Frame*>(c));
    if (c->kind() == ui::ControlKind::PictureBox) v.push_back(static_cast<ui::PictureBox*>(c));
  }
  return v;
}

std::string nameOf(const ui::Control& c) {
  return c.index() < 0 ? c.name() : c.name() + "(" + std::to_string(c.index()) + ")";
}

std::string nameOf(const ui::Container& c) {
  if (auto* ctl = dynamic_cast<const ui::Control*>(&c)) return nameOf(*ctl);
  return "window";
}

// One coordinate along an extent, read as the event's place says.
float coordinate(std::int32_t v, std::uint8_t place, float extent) {
  const float w = std::max(extent, 1.0f);
  const auto mag = static_cast<std::uint32_t>(v < 0 ? -static_cast<std::int64_t>(v) : v);
  switch (place) {
    case 0:  // inside, in sixteenths of a twip
      return static_cast<float>(mag % static_cast<std::uint32_t>(w * 16)) / 16.0f;
    case 1: {  // on and just beside the edges
      const float edges[] = {0, -0.0625f, w, w - 0.0625f, w + 0.0625f, -50, w + 50, -15, w + 15};
      return edges[mag % 9];
    }
    case 2:  // outside, up to a view's size away
      return v < 0 ? -1 - static_cast<float>(mag % static_cast<std::uint32_t>(w * 16)) / 16.0f
                   : w + 1 + static_cast<float>(mag % static_cast<std::uint32_t>(w * 16)) / 16.0f;
    case 3: {  // far away, as a pointer grabbed across a large desktop
      const float far[] = {1e6f, -1e6f, 16777217.0f, -16777217.0f, 3.5e7f, -3.5e7f, 123456.5f};
      return far[mag % 7];
    }
    default:  // anything, in sixteenths of a twip
      return static_cast<float>(v) / 16.0f;
  }
}

class Player {
 public:
  Player(Program& p, RunResult& r, bool log) : p_(p), r_(r), log_(log) {}

  // Plays one event; false once a rule is broken.
  bool play(const Event& e) {
    if (p_.ended()) {
      p_.start();
      ++r_.starts;
      if (!check(e, nullptr, false, "program start")) return false;
    }
    step_ = Step{};
    step_.event = &e;
    step_.lessonBefore = p_.lesson();
    step_.formsBefore = p_.app().formCount();
    ui::Form* f = window(e);
    step_.target = f;
    if (!f) return check(e, f, false, "no window");
    // At the idle menu the pupil's next move is mostly opening a lesson.
    if (f == &p_.menu() && !step_.lessonBefore && e.window < 5 && e.kind != Kind::CloseBox)
      return menuButton(e);
    switch (e.kind) {
      case Kind::MenuButton: return menuButton(e);
      case Kind::Button: return button(*f, e);
      case Kind::Label: return label(*f, e);
      case Kind::Mouse: return mouse(*f, e);
      case Kind::Pick: return pick(*f, e);
      case Kind::Type: return type(*f, e);
      case Kind::Tick: return tick(*f, e);
      case Kind::StaleTick: return staleTick(e);
      case Kind::CloseBox:
        if (f == &p_.menu() && !rarely(e)) return tick(*f, e);
        f->closeBox();
        return check(e, f, false, caption(*f) + ": close box");
      case Kind::Key: return key(*f, e);
      case Kind::Count: break;
    }
    return true;
  }

 private:
  static std::string caption(const ui::Form& f) { return "「" + f.style().caption + "」"; }

  // Ending the program is kept rare, so that most runs reach deep into the
  // lessons; a sequence still ends it now and then.
  static bool rarely(const Event& e) { return e.arg % 8 == 0; }

  ui::Form* window(const Event& e) {
    const auto& forms = p_.app().forms();
    if (forms.empty()) return nullptr;
    if (e.window < 7) return forms.back();
    return forms[(e.target >> 8) % forms.size()];
  }

  bool check(const Event& e, ui::Form* f, bool tick, const std::string& what) {
    if (log_) r_.log.push_back(what);
    Step s = step_;
    s.event = &e;
    s.target = f;
    s.tick = tick;
    r_.pages += p_.pages.size();
    Faults faults = checkAll(p_, s);
    p_.forget();
    if (faults.empty()) return true;
    r_.ok = false;
    r_.fault = faults.front();
    return false;
  }

  bool menuButton(const Event& e) {
    auto buttons = controlsOf<ui::Button>(p_.menu(), ui::ControlKind::Button);
    if (buttons.empty()) return check(e, &p_.menu(), false, "menu without buttons");
    ui::Button* b = buttons[e.target % buttons.size()];
    if (b == &p_.menu().Command9 && !rarely(e)) b = buttons[(e.target + 1u) % buttons.size()];
    step_.target = &p_.menu();
    step_.control = b;
    b->click();
    return check(e, &p_.menu(), false, "menu: click " + nameOf(*b) + " (" + b->caption() + ")");
  }

  bool button(ui::Form& f, const Event& e) {
    auto buttons = controlsOf<ui::Button>(f, ui::ControlKind::Button);
    // Mostly what is on the screen; now and then a hidden button, which must
    // ignore the click.
    if (e.arg % 4 != 0) std::erase_if(buttons, [](ui::Button* b) { return !b->visible(); });
    if (buttons.empty()) return check(e, &f, false, caption(f) + ": no buttons");
    ui::Button* b = buttons[e.target % buttons.size()];
    if (b == &p_.menu().Command9 && !rarely(e)) b = buttons[(e.target + 1u) % buttons.size()];
    const std::string what = caption(f) + ": click " + nameOf(*b) + " (" + b->caption() + ")" +
                             (b->visible() ? "" : " hidden");
    step_.control = b;
    b->click();
    return check(e, &f, false, what);
  }

  bool label(ui::Form& f, const Event& e) {
    auto labels = controlsOf<ui::Label>(f, ui::ControlKind::Label);
    if (labels.empty()) return check(e, &f, false, caption(f) + ": no labels");
    ui::Label* l = labels[e.target % labels.size()];
    ui::Container* c = l->container();
    const ui::RectF b = l->bounds();
    const float x = b.left + coordinate(e.x, 0, b.width), y = b.top + coordinate(e.y, 0, b.height);
    const ui::MouseState m{1, 0};
    std::ostringstream what;
    what << caption(f) << ": click over " << nameOf(*l) << " at (" << x << ", " << y << ") in "
         << nameOf(*c);
    c->mouseMove({}, x, y);
    c->mouseDown(m, x, y);
    c->mouseUp(m, x, y);
    return check(e, &f, false, what.str());
  }

  bool mouse(ui::Form& f, const Event& e) {
    auto boxes = containersOf(f);
    ui::Container* c = boxes[e.target % boxes.size()];
    const float x = coordinate(e.x, e.place, c->areaWidth());
    const float y = coordinate(e.y, e.place, c->areaHeight());
    const ui::MouseState m{(e.arg >> 2) & 7, (e.arg >> 5) & 7};
    static const char* actions[] = {"move", "press", "release", "click"};
    std::ostringstream what;
    what << caption(f) << ": mouse " << actions[e.arg % 4] << " in " << nameOf(*c) << " at (" << x
         << ", " << y << ") buttons " << m.button;
    switch (e.arg % 4) {
      case 0: c->mouseMove(m, x, y); break;
      case 1: c->mouseDown(m, x, y); break;
      case 2: c->mouseUp(m, x, y); break;
      default:
        c->mouseDown(m, x, y);
        c->mouseUp(m, x, y);
    }
    return check(e, &f, false, what.str());
  }

  bool key(ui::Form& f, const Event& e) {
    static constexpr ui::Key keys[] = {ui::Key::Tab,   ui::Key::Tab,  ui::Key::Space,
                                       ui::Key::Enter, ui::Key::Escape, ui::Key::Left,
                                       ui::Key::Right, ui::Key::Up,   ui::Key::Down};
    static const char* names[] = {"Tab", "Tab", "Space", "Enter", "Escape", "Left", "Right", "Up", "Down"};
    const std::size_t k = e.arg % std::size(keys);
    const int shift = (e.target >> 4) & 1;
    ui::Control* focused = f.keyboard().focused();
    // Quitting stays as rare by key as by click.
    if (focused == &p_.menu().Command9 && k >= 2 && !rarely(e)) return tick(f, e);
    step_.control = focused;
    const std::string what = caption(f) + ": key " + names[k] + (shift ? " with Shift" : "") + " on " +
                             (focused ? nameOf(*focused) : std::string("nothing"));
    f.keyboard().press(keys[k], shift);
    return check(e, &f, false, what);
  }

  bool pick(ui::Form& f, const Event& e) {
    auto lists = controlsOf<ui::ComboBox>(f, ui::ControlKind::ComboBox);
    if (lists.empty()) return tick(f, e);  // nothing to pick: time passes instead
    ui::ComboBox* l = lists[e.target % lists.size()];
    const int i = static_cast<int>(e.arg % (l->items().size() + 2)) - 1;
    const std::string item = i >= 0 && i < static_cast<int>(l->items().size()) ? l->items()[static_cast<size_t>(i)] : "";
    l->pick(i);
    if (!item.empty()) ++r_.picks;
    return check(e, &f, false, caption(f) + ": pick " + std::to_string(i) + " \"" + item + "\" in " + nameOf(*l));
  }

  bool type(ui::Form& f, const Event& e) {
    auto lists = controlsOf<ui::ComboBox>(f, ui::ControlKind::ComboBox);
    if (lists.empty()) return tick(f, e);
    ui::ComboBox* l = lists[e.target % lists.size()];
    const auto& texts = typedTexts();
    const std::size_t n = e.arg % texts.size();
    l->type(texts[n]);
    return check(e, &f, false, caption(f) + ": type text #" + std::to_string(n) + " into " + nameOf(*l));
  }

  bool tick(ui::Form& f, const Event& e) {
    // Ticks go to the window's timers; a window without one just waits.
    if (f.timers().empty()) return check(e, &f, true, caption(f) + ": time passes");
    ui::Timer* t = f.timers()[e.target % f.timers().size()];
    const int n = tickCount(e.arg);
    if (log_) r_.log.push_back(caption(f) + ": " + std::to_string(n) + " tick(s) of " + t->name() +
                               (t->enabled() ? "" : " (disabled)"));
    for (int i = 0; i < n; ++i) {
      if (!f.loaded()) break;
      t->tick();
      ++r_.ticks;
      if (!check(e, &f, true, "")) return false;
      if (log_) r_.log.pop_back();
    }
    return true;
  }

  bool staleTick(const Event& e) {
    std::vector<std::pair<ui::Form*, ui::Timer*>> stale;
    for (ui::Form* w : p_.windows())
      if (!w->loaded())
        for (ui::Timer* t : p_.builtTimers(*w)) stale.emplace_back(w, t);
    if (stale.empty()) return check(e, nullptr, true, "no unloaded window with a timer");
    auto [w, t] = stale[e.target % stale.size()];
    t->tick();
    ++r_.ticks;
    return check(e, nullptr, true, caption(*w) + " (unloaded): late tick of " + t->name());
  }

  Program& p_;
  RunResult& r_;
  bool log_;
  Step step_;
};

}  // namespace

RunResult run(const std::vector<Event>& events, bool log) {
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

std::vector<Event> minimise(const std::vector<Event>& input, const std::string& fault, std::size_t maxRuns) {
  std::vector<Event> events = input;
  std::size_t runs = 0;
  auto fails = [&](const std::vector<Event>& v) {
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
      std::vector<Event> only(events.begin() + static_cast<std::ptrdiff_t>(start),
                              events.begin() + static_cast<std::ptrdiff_t>(end));
      if (only.size() < events.size() && fails(only)) {
        events = only;
        n = 2;
        reduced = true;
        break;
      }
      std::vector<Event> rest(events.begin(), events.begin() + static_cast<std::ptrdiff_t>(start));
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

std::string reproducer(const std::vector<Event>& events, const RunResult& failed) {
  std::vector<Event> shortest = minimise(events, failed.fault);
  RunResult r = run(shortest, true);
  std::ostringstream out;
  out << "fault: " << failed.fault << "\n";
  out << "after event " << failed.failedAt << " of the sequence; shortest reproducer, "
      << shortest.size() << " event(s):\n";
  for (const std::string& line : r.log)
    if (!line.empty()) out << "  " << line << "\n";
  out << "raw events:\n";
  for (const Event& e : shortest) out << "  " << describe(e) << "\n";
  return out.str();
}

}  // namespace fuzz
