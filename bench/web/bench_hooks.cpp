// What bench/web/budget.mjs and throttled.mjs need from inside the program,
// linked only into their own build of the browser edition (zemlox_bench.js),
// never the site's: ticks of the top window, each with the repaint the next
// frame would do, the same ticks of a copy of that window with no host (the
// floor's share: any program of these lessons computes them), the count of
// ticks the timers have run, and a new run of the record or the observation window in both.
#include <emscripten.h>

#include <memory>
#include <typeinfo>

#include "observe/frm_Kansoku.h"
#include "record/frm_Kiroku.h"
#include "ui/application.h"
#include "ui/form.h"
#include "ui/web/web_host.h"
#include "waves/frm_Pwave.h"
#include "waves/frm_Swave.h"
#include "waves/frm_Wave.h"
#include "waves/frm_Wave2.h"

namespace {

ui::Application bare;  // no host: its windows draw nowhere
std::unique_ptr<ui::Form> twin;

template <class W>
bool makeTwin(const ui::Form& of) {
  if (!dynamic_cast<const W*>(&of)) return false;
  twin = std::make_unique<W>(bare);
  twin->show();
  // The observation window ticks during a run: set one off, as the benchmark does.
  if (auto* k = dynamic_cast<observe::frm_Kansoku*>(twin.get())) k->Command2_Click();
  return true;
}

// A window of the same lesson as `of`, shown with no host, in motion.
ui::Form* twinOf(const ui::Form& of) {
  if (twin && typeid(*twin) == typeid(of)) return twin.get();
  if (twin) twin->unload(), twin.reset();
  if (!(makeTwin<waves::frm_Pwave>(of) || makeTwin<waves::frm_Swave>(of) || makeTwin<waves::frm_Wave>(of) ||
        makeTwin<waves::frm_Wave2>(of) || makeTwin<record::frm_Kiroku>(of) || makeTwin<observe::frm_Kansoku>(of)))
    return nullptr;
  return twin.get();
}

// A new run of the record or of the observation window; other lessons never end.
void setOff(ui::Form* w) {
  if (auto* k = dynamic_cast<observe::frm_Kansoku*>(w)) k->Command2_Click();
  if (auto* k = dynamic_cast<record::frm_Kiroku*>(w)) k->Command2_Click();
}

}  // namespace

extern "C" {

// `n` ticks of every running timer of the top window, each followed by its repaint.
EMSCRIPTEN_KEEPALIVE void zx_bench_frames(int n) {
  zemlox::web::WebHost* host = zemlox::web::WebHost::current();
  if (!host || host->views().empty()) return;
  ui::Form* top = host->views().back()->form();
  for (int i = 0; i < n; ++i) {
    for (ui::Timer* t : top->timers())
      if (t->enabled()) t->tick();
    host->applyChanges();
  }
}

// `n` ticks of the running timers of a hostless copy of the top window: the
// lesson's own arithmetic, with nothing painted. Returns the timer ticks run.
EMSCRIPTEN_KEEPALIVE int zx_bench_floor_ticks(int n) {
  zemlox::web::WebHost* host = zemlox::web::WebHost::current();
  ui::Form* w = host && !host->views().empty() ? twinOf(*host->views().back()->form()) : nullptr;
  int ran = 0;
  for (int i = 0; w && i < n; ++i)
    for (ui::Timer* t : w->timers())
      if (t->enabled()) t->tick(), ++ran;
  return ran;
}

// The record's and the observation window's runs end after some 400 or 500
// ticks: a new one set off in the top window, repainted, and in its hostless
// copy, so that the ticks measured next follow the ticks recorded after the
// last set-off, the same in both.
EMSCRIPTEN_KEEPALIVE void zx_bench_set_off() {
  zemlox::web::WebHost* host = zemlox::web::WebHost::current();
  if (!host || host->views().empty()) return;
  ui::Form* top = host->views().back()->form();
  setOff(top);
  host->applyChanges();
  setOff(twinOf(*top));
}

// Timer ticks run so far by every window, also those made up for a late callback.
EMSCRIPTEN_KEEPALIVE double zx_bench_ticks() {
  zemlox::web::WebHost* host = zemlox::web::WebHost::current();
  return host ? host->app().clock().ticksRun() : 0;
}

}  // extern "C"
