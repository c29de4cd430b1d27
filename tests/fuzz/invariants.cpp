// The general rules every window and every step must keep.
#include "tests/fuzz/invariants.h"

#include <cmath>
#include <set>

#include "app/frmMain.h"

namespace fuzz {
namespace {

bool finite(float v) { return std::isfinite(v); }

std::string where(const ui::Form& f, const ui::Control& c) {
  std::string s = f.style().caption + " " + c.name();
  if (c.index() >= 0) s += "(" + std::to_string(c.index()) + ")";
  return s;
}

void checkGeometry(const ui::Form& f, const ui::Control& c, Faults& out) {
  if (!finite(c.left()) || !finite(c.top()) || !finite(c.width()) || !finite(c.height()))
    out.push_back(where(f, c) + " has a non-finite place or size");
  if (c.kind() == ui::ControlKind::Line) {
    const auto& l = static_cast<const ui::Line&>(c);
    if (!finite(l.x1()) || !finite(l.y1()) || !finite(l.x2()) || !finite(l.y2()))
      out.push_back(where(f, c) + " has a non-finite end point");
  }
}

void checkLoaded(ui::Form& f, Faults& out) {
  for (ui::Control* c : f.controls()) {
    if (!c->exists() || c->form() != &f) {
      out.push_back(where(f, *c) + " is listed by its loaded window but does not belong to it");
      continue;
    }
    checkGeometry(f, *c, out);
  }
  for (ui::Timer* t : f.timers()) {
    if (t->form() != &f) out.push_back(f.style().caption + " timer " + t->name() + " has lost its window");
    if (t->enabled() && (t->interval() <= 0 || t->interval() > 65535))
      out.push_back(f.style().caption + " timer " + t->name() + " runs with interval " + std::to_string(t->interval()));
  }
}

void checkUnloaded(Program& p, ui::Form& f, Faults& out) {
  if (!f.controls().empty() || !f.timers().empty())
    out.push_back(f.style().caption + " keeps controls or timers while unloaded");
  if (f.visible()) out.push_back(f.style().caption + " is visible while unloaded");
  for (ui::Control* c : p.builtControls(f))
    if (c->exists()) out.push_back(where(f, *c) + " still exists after its window was unloaded");
  for (ui::Timer* t : p.builtTimers(f))
    if (t->enabled()) out.push_back(f.style().caption + " timer " + t->name() + " still runs after unload");
}

void checkWindows(Program& p, const Step& s, Faults& out) {
  ui::Application& app = p.app();
  app::frmMain& menu = p.menu();
  if (app.formCount() > 2) out.push_back(std::to_string(app.formCount()) + " windows loaded at once");
  int lessons = 0;
  for (ui::Form* f : app.forms()) {
    if (f == &menu) continue;
    ++lessons;
    if (f->modalOwner() != &menu) out.push_back(f->style().caption + " is not owned by the menu");
    if (app.forms().front() != &menu) out.push_back(f->style().caption + " loaded without the menu");
  }
  if (lessons > 1) out.push_back(std::to_string(lessons) + " lesson windows loaded at once");
  if (menu.loaded() && menu.inputEnabled() != (lessons == 0))
    out.push_back(lessons ? "the menu takes input while a lesson window is open"
                          : "the menu takes no input with no lesson window open");
  for (ui::Form* f : p.windows()) {
    if (f->loaded())
      checkLoaded(*f, out);
    else
      checkUnloaded(p, *f, out);
  }
  // A click on the menu while a lesson is open changes nothing; only the
  // close box (ending the program) may unload it.
  if (s.lessonBefore && s.target == &menu && s.kind != ui::InputKind::Count && s.kind != ui::InputKind::CloseBox &&
      (p.lesson() != s.lessonBefore || app.formCount() != s.formsBefore))
    out.push_back("the menu reacted to input while " + s.lessonBefore->style().caption + " was open");
}

std::set<const ui::Surface*> liveSurfaces(Program& p, const Step& s) {
  std::set<const ui::Surface*> live;
  auto add = [&](ui::Form* f) {
    if (!f) return;
    live.insert(&f->surface());
    for (ui::Control* c : p.builtControls(*f))
      if (c->kind() == ui::ControlKind::PictureBox) live.insert(&static_cast<ui::PictureBox*>(c)->surface());
  };
  for (ui::Form* f : p.app().forms()) add(f);
  add(s.target);
  add(s.lessonBefore);
  return live;
}

void checkDrawing(Program& p, const Step& s, Faults& out) {
  const auto& ops = p.sink.ops;
  const std::size_t limit = s.tick ? kMaxOpsPerTick : kMaxOpsPerClick;
  if (ops.size() > limit)
    out.push_back(std::to_string(ops.size()) + " drawing operations in one " + (s.tick ? "tick" : "event"));
  if (s.kind == ui::InputKind::LateTick && !ops.empty())
    out.push_back("a tick of an unloaded window drew");
  if (ops.empty()) return;
  const auto live = liveSurfaces(p, s);
  for (const ui::DrawOp& op : ops) {
    if (!finite(op.x1) || !finite(op.y1) || !finite(op.x2) || !finite(op.y2) || !finite(op.r)) {
      out.push_back("a drawing operation with a non-finite coordinate");
      return;
    }
    if (op.r < 0) out.push_back("a circle with a negative radius");
    if (!live.count(op.surface)) out.push_back("a drawing on a surface of an unloaded window");
  }
}

void checkPrinting(Program& p, Faults& out) {
  if (p.documentsLeftOpen) out.push_back("a printer document was filled but never ended");
  if (p.pages.size() > 1) out.push_back(std::to_string(p.pages.size()) + " pages printed by one event");
  for (const ui::PrintedPage& page : p.pages) {
    if (page.ops.size() > kMaxOpsPerPage)
      out.push_back(std::to_string(page.ops.size()) + " operations on one printed page");
    for (const ui::PrintOp& op : page.ops) {
      if (!finite(op.x1) || !finite(op.y1) || !finite(op.x2) || !finite(op.y2) || !finite(op.r) ||
          op.r < 0 || (op.kind == ui::PrintOp::Text && !(op.fontSize > 0 && finite(op.fontSize)))) {
        out.push_back("a printed operation with a non-finite or negative value");
        return;
      }
    }
  }
}

}  // namespace

void checkProgram(Program& p, const Step& s, Faults& out) {
  for (const std::string& f : p.viewFaults) out.push_back(f);
  if (!p.menu().loaded() && p.app().formCount() > 0) out.push_back("windows left loaded without the menu");
  checkWindows(p, s, out);
  checkDrawing(p, s, out);
  checkPrinting(p, out);
}

ExtraRule& extraRule() {
  static ExtraRule r;
  return r;
}

void setExtraRule(ExtraRule r) { extraRule() = std::move(r); }

Faults checkAll(Program& p, const Step& s) {
  Faults out;
  checkProgram(p, s, out);
  if (extraRule()) extraRule()(p, s, out);
  if (ui::Form* f = p.lesson()) {
    for (const WindowRule* r : windowRules())
      if (r->owns(*f)) r->check(p, *f, s, out);
  }
  return out;
}

}  // namespace fuzz
