// What bench/web/budget.mjs and throttled.mjs need from inside the program,
// linked only into their own build of the browser edition (zemlox_bench.js),
// never the site's: ticks of the top window, each with the repaint the next
// frame would do, and the count of ticks the timers have run.
#include <emscripten.h>

#include "ui/form.h"
#include "ui/web/web_host.h"

extern "C" {

// `n` ticks of every running timer of the top window, each followed by its repaint.
EMSCRIPTEN_KEEPALIVE void zx_bench_frames(int n) {
  zemlox::web::WebHost* host = zemlox::web::WebHost::current();
  if (!host || host->views().empty()) return;
  ui::Form* top = host->views().back()->form();
  for (int i = 0; i < n; ++i) {
    for (ui::Timer* t : top->timers())
      if (t->enabled()) t->tick();
    host->paintNow();
  }
}

// Timer ticks run so far by every window, also those made up for a late callback.
EMSCRIPTEN_KEEPALIVE double zx_bench_ticks() {
  zemlox::web::WebHost* host = zemlox::web::WebHost::current();
  return host ? host->app().clock().ticksRun() : 0;
}

}  // extern "C"
