// The browser edition: the start routine on the browser host. main returns
// at once; the page keeps the program running.
#include <memory>

#include "app/Module1.h"
#include "ui/web/program.h"

int main() {
  static std::unique_ptr<app::Module1> module;
  zemlox::web::runProgram([](ui::Application& app) {
    module = std::make_unique<app::Module1>(app);
    module->Main();
  });
  return 0;
}
