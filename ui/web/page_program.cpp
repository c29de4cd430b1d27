// Start-up in the page.
#include "ui/web/page_program.h"

#include <emscripten.h>

#include "ui/font.h"
#include "ui/web/web_host.h"

namespace {

std::function<void(ui::Application&)> g_start;
ui::Application* g_app = nullptr;

// The page learns the bundled families here, and starts the program once
// they have loaded.
EM_JS(void, zx_when_fonts_ready, (const char* pgothic, const char* gothic), {
  ZX.startWithFonts([UTF8ToString(pgothic), UTF8ToString(gothic)], () => Module._zx_start());
});

}  // namespace

extern "C" EMSCRIPTEN_KEEPALIVE void zx_start() {
  zemlox::web::WebHost* host = zemlox::web::WebHost::current();
  if (g_start && g_app && host) host->start([] { g_start(*g_app); });
  g_start = nullptr;
}

namespace zemlox::web {

void runProgram(std::function<void(ui::Application&)> start) {
  static ui::Application app;
  static WebHost host(app);
  app.setHost(&host);
  g_app = &app;
  g_start = std::move(start);
  zx_when_fonts_ready(ui::kPageFamilies[0], ui::kPageFamilies[1]);
}

}  // namespace zemlox::web
