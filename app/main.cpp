// The zemlox executable: the start routine on the Qt host.
#include <cstdio>
#include <cstdlib>
#include <memory>

#include "app/Module1.h"
#include "app/guide_key.h"
#include "ui/qt/desktop_program.h"

namespace {

bool haveDisplay() {
  for (const char* v : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) {
    const char* s = std::getenv(v);
    if (s && *s) return true;
  }
  return false;
}

}  // namespace

int main(int argc, char** argv) {
  if (!haveDisplay()) {
    std::fputs("zemlox: no display found (DISPLAY and WAYLAND_DISPLAY are unset): start it on the "
               "desktop, from its menu entry or a terminal there.\n"
               "zemlox: 画面が見つかりません。デスクトップのメニューか、デスクトップで開いた端末から"
               "起動してください。\n", stderr);
    return 2;
  }
  app::GuideKey guideKey;
  return zemlox::qt::runProgram(
      argc, argv,
      [&guideKey](ui::Application& app) {
        auto module = std::make_unique<app::Module1>(app);
        module->Main();
        guideKey.onShare = [m = module.get()] { m->mainForm()->shareLayout(); };
        return module;
      },
      &guideKey);
}
