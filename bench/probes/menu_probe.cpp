// Starts the program exactly as zemlox does and reports its first paint.
#include <memory>

#include "app/Module1.h"
#include "bench/probes/first_paint.h"
#include "ui/qt/desktop_program.h"

int main(int argc, char** argv) {
  FirstPaint probe;
  return zemlox::qt::runProgram(
      argc, argv,
      [](ui::Application& app) {
        auto module = std::make_unique<app::Module1>(app);
        module->Main();
        return module;
      },
      &probe);
}
