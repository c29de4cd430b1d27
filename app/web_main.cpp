// The browser edition: the start routine on the browser host. main returns
// at once; the page keeps the program running. A teacher's link in the
// page's address opens the observation window with its layout at the start.
#include <emscripten.h>

#include <memory>
#include <string>

#include "app/Module1.h"
#include "ui/web/page_program.h"

namespace {

std::unique_ptr<app::Module1> module;

// 0 the page's address without its '#…', 1 the text after '#'.
EM_JS(int, zx_page_text_size, (int which), { return lengthBytesUTF8(which ? ZX.linkText() : ZX.siteAddress()) + 1; });
EM_JS(void, zx_page_text, (int which, char* out, int size),
      { stringToUTF8(which ? ZX.linkText() : ZX.siteAddress(), out, size); });
EM_JS(void, zx_class_page, (int pupil), { ZX.classPage(pupil); });

std::string pageText(int which) {
  std::string s(static_cast<size_t>(zx_page_text_size(which)), '\0');
  zx_page_text(which, s.data(), static_cast<int>(s.size()));
  s.resize(s.size() - 1);
  return s;
}

}  // namespace

// The page's 「この配置を配る」 and F2.
extern "C" EMSCRIPTEN_KEEPALIVE void zx_share() {
  if (module) module->mainForm()->shareLayout();
}

int main() {
  zemlox::web::runProgram([](ui::Application& app) {
    module = std::make_unique<app::Module1>(app);
    module->Main();
    app::frmMain& menu = *module->mainForm();
    menu.siteAddress = pageText(0);
    menu.openLink(pageText(1));
    zx_class_page(menu.pupilMode());
  });
  return 0;
}
