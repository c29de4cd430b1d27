// The display-less program: host callbacks that attach recording sinks to
// every drawing surface a window builds and keep what the window did.
#include "tests/fuzz/program.h"

#include <cmath>

#include "app/frmMain.h"
#include "observe/frm_Kansoku.h"
#include "record/frm_Kiroku.h"
#include "waves/frm_Pwave.h"
#include "waves/frm_Swave.h"
#include "waves/frm_Wave.h"
#include "waves/frm_Wave2.h"

namespace fuzz {
namespace {

// A printer that hands every finished page to the program and notes a
// document that was opened but never ended.
class CapturingPrinter : public ui::RecordingPrinter {
 public:
  explicit CapturingPrinter(Program& p) : program_(p) {}
  ~CapturingPrinter() override {
    if (!page().ops.empty()) ++program_.documentsLeftOpen;
  }
  CapturingPrinter(const CapturingPrinter&) = delete;
  CapturingPrinter& operator=(const CapturingPrinter&) = delete;

 protected:
  void pageEnded(const ui::PrintedPage& page) override { program_.pages.push_back(page); }

 private:
  Program& program_;
};

bool finite(const ui::RectF& r) {
  return std::isfinite(r.left) && std::isfinite(r.top) && std::isfinite(r.width) &&
         std::isfinite(r.height);
}

}  // namespace

Program::Program() {
  app_.setHost(this);
  app_.setPrinterFactory([this]() -> std::unique_ptr<ui::Printer> {
    ++printersOpened;
    return std::make_unique<CapturingPrinter>(*this);
  });
}

Program::~Program() { app_.setHost(nullptr); }

void Program::start() {
  ++starts_;
  module_.Main();
}

std::vector<ui::Form*> Program::windows() {
  std::vector<ui::Form*> w;
  app::frmMain* m = module_.mainForm();
  if (!m) return w;
  w.push_back(m);
  ui::Form* lessons[] = {m->pwave(), m->swave(), m->wave(), m->wave2(), m->kiroku(), m->kansoku()};
  for (ui::Form* f : lessons)
    if (f) w.push_back(f);
  return w;
}

ui::Form* Program::lesson() {
  for (ui::Form* f : app_.forms())
    if (f != module_.mainForm()) return f;
  return nullptr;
}

const std::vector<ui::Control*>& Program::builtControls(const ui::Form& f) const {
  static const std::vector<ui::Control*> none;
  auto it = built_.find(&f);
  return it == built_.end() ? none : it->second.controls;
}

const std::vector<ui::Timer*>& Program::builtTimers(const ui::Form& f) const {
  static const std::vector<ui::Timer*> none;
  auto it = built_.find(&f);
  return it == built_.end() ? none : it->second.timers;
}

void Program::forget() {
  sink.ops.clear();
  pages.clear();
  printersOpened = 0;
  documentsLeftOpen = 0;
  viewFaults.clear();
}

void Program::attach(ui::Form& f) {
  f.surface().setSink(&sink);
  for (ui::Control* c : f.controls())
    if (c->kind() == ui::ControlKind::PictureBox) static_cast<ui::PictureBox*>(c)->surface().setSink(&sink);
  f.setView(this);
}

void Program::formLoaded(ui::Form& f) {
  built_[&f] = {f.controls(), f.timers()};
  attach(f);
}

void Program::formUnloaded(ui::Form& f) { f.setView(nullptr); }

std::unique_ptr<ui::Printer> Program::printer() { return std::make_unique<ui::RecordingPrinter>(); }

void Program::invalidate(const ui::Container& c, const ui::RectF& r) {
  if (!finite(r)) viewFaults.push_back("repaint of a non-finite area in a container of " +
                                       (c.owningForm() ? c.owningForm()->style().caption : "?"));
}

void Program::widgetChanged(const ui::Control& c) {
  if (!c.exists()) viewFaults.push_back("change notice from " + c.name() + " outside its window's life");
  if (!finite(c.bounds())) viewFaults.push_back(c.name() + " changed to a non-finite place");
}

void Program::timerChanged(const ui::Timer& t) {
  if (t.enabled() && (t.interval() <= 0 || t.interval() > 65535))
    viewFaults.push_back("timer " + t.name() + " enabled with interval " + std::to_string(t.interval()));
}

}  // namespace fuzz
