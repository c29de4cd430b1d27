// The driven program: host callbacks that attach recording sinks to every
// drawing surface a window builds and keep what the window did, passing it
// all on to the shown host when there is one.
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

std::pair<ui::Form*, ui::Timer*> Program::unloadedTimer(std::size_t choice) {
  std::vector<std::pair<ui::Form*, ui::Timer*>> stale;
  for (ui::Form* w : windows())
    if (!w->loaded())
      for (ui::Timer* t : builtTimers(*w)) stale.emplace_back(w, t);
  return stale.empty() ? std::pair<ui::Form*, ui::Timer*>{} : stale[choice % stale.size()];
}

void Program::forget() {
  sink.ops.clear();
  pages.clear();
  printersOpened = 0;
  documentsLeftOpen = 0;
  viewFaults.clear();
  clicked.clear();
  listClicks.clear();
}

void Program::KeepingSink::clear(const ui::Surface& s) {
  RecordingSink::clear(s);
  if (auto it = shown.find(&s); it != shown.end()) it->second->clear(s);
}

void Program::KeepingSink::line(const ui::Surface& s, float x1, float y1, float x2, float y2, ui::Color c) {
  RecordingSink::line(s, x1, y1, x2, y2, c);
  if (auto it = shown.find(&s); it != shown.end()) it->second->line(s, x1, y1, x2, y2, c);
}

void Program::KeepingSink::circle(const ui::Surface& s, float cx, float cy, float r, ui::Color c,
                                  std::optional<ui::Color> fill) {
  RecordingSink::circle(s, cx, cy, r, c, fill);
  if (auto it = shown.find(&s); it != shown.end()) it->second->circle(s, cx, cy, r, c, fill);
}

std::vector<ui::Surface*> Program::surfaces(const ui::Form& f) const {
  std::vector<ui::Surface*> v{&const_cast<ui::Form&>(f).surface()};
  for (ui::Control* c : builtControls(f))
    if (c->kind() == ui::ControlKind::PictureBox) v.push_back(&static_cast<ui::PictureBox*>(c)->surface());
  return v;
}

ui::FormView* Program::shownView(const ui::Form* f) const {
  auto it = shownViews_.find(f);
  return it == shownViews_.end() ? nullptr : it->second;
}

void Program::attach(ui::Form& f) {
  for (ui::Surface* s : surfaces(f)) {
    if (shown_ && s->sink() && s->sink() != &sink) sink.shown[s] = s->sink();
    s->setSink(&sink);
  }
  if (shown_ && f.view() && f.view() != this) shownViews_[&f] = f.view();
  f.setView(this);
}

void Program::formLoaded(ui::Form& f) {
  if (shown_) shown_->formLoaded(f);
  built_[&f] = {f.controls(), f.timers()};
  attach(f);
  for (ui::Control* c : f.controls()) {
    if (auto* b = dynamic_cast<ui::Button*>(c)) {
      b->onClick = [this, b, handler = b->onClick] {
        clicked.push_back(b);
        if (handler) handler();
      };
    } else if (auto* list = dynamic_cast<ui::ComboBox*>(c)) {
      list->onClick = [this, list, handler = list->onClick] {
        listClicks.push_back(list);
        if (handler) handler();
      };
    }
  }
}

void Program::formShown(ui::Form& f) {
  if (shown_) shown_->formShown(f);
}

void Program::formShownModal(ui::Form& f) {
  if (shown_) shown_->formShownModal(f);
}

void Program::wantFrame() {
  if (shown_) shown_->wantFrame();
}

// Drawings on an unloaded window are still kept, to be caught by the rules,
// but no longer reach the shown host, whose window is gone.
void Program::formUnloaded(ui::Form& f) {
  if (shown_) {
    for (ui::Surface* s : surfaces(f)) sink.shown.erase(s);
    shownViews_.erase(&f);
    shown_->formUnloaded(f);
  }
  f.setView(nullptr);
}

void Program::lastFormUnloaded() {
  if (shown_) shown_->lastFormUnloaded();
}

std::unique_ptr<ui::Printer> Program::printer() { return std::make_unique<ui::RecordingPrinter>(); }

void Program::invalidate(const ui::Container& c, const ui::RectF& r) {
  if (!finite(r)) viewFaults.push_back("repaint of a non-finite area in a container of " +
                                       (c.owningForm() ? c.owningForm()->style().caption : "?"));
  if (ui::FormView* v = shownView(c.owningForm())) v->invalidate(c, r);
}

void Program::widgetChanged(const ui::Control& c) {
  if (!c.exists()) viewFaults.push_back("change notice from " + c.name() + " outside its window's life");
  if (!finite(c.bounds())) viewFaults.push_back(c.name() + " changed to a non-finite place");
  if (ui::FormView* v = shownView(c.form())) v->widgetChanged(c);
}

// The notice does not say which window it concerns: every shown window hears it.
void Program::inputEnabledChanged() {
  for (auto& [form, view] : shownViews_) view->inputEnabledChanged();
}

}  // namespace fuzz
