// Start-up in the page.
#include "ui/web/program.h"

#include <emscripten.h>

#include "ui/web/web_host.h"

namespace {

std::function<void(ui::Application&)> g_start;
ui::Application* g_app = nullptr;

EM_JS(void, zx_when_fonts_ready, (), { ZX.fontsLoaded.then(() => Module._zx_start()); });

}  // namespace

extern "C" EMSCRIPTEN_KEEPALIVE void zx_start() {
  zemlox::web::installTextMetrics();
  if (g_start && g_app) g_start(*g_app);
  g_start = nullptr;
}

namespace zemlox::web {

void runProgram(std::function<void(ui::Application&)> start) {
  static ui::Application app;
  static WebHost host;
  app.setHost(&host);
  g_app = &app;
  g_start = std::move(start);
  zx_when_fonts_ready();
}

}  // namespace zemlox::web
