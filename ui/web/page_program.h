// Runs the program's windows in the page: one application and one browser
// host for the page's lifetime, and the start routine once the bundled fonts
// are in (so the first paint already shows them).
#pragma once

#include <functional>

#include "ui/application.h"

namespace zemlox::web {

void runProgram(std::function<void(ui::Application&)> start);
}  // namespace zemlox::web
