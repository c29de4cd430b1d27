// Plays random input on the whole program shown by the Qt host:
// every event goes through Qt as the window system would deliver it, from
// Qt's event loop, and every rule is checked after each event and each tick.
#pragma once

#include <vector>

#include "tests/fuzz/driver.h"
#include "ui/random_input.h"

namespace hostfuzz {

// Plays the events; with echo set, prints what each does before doing it.
// The result's log holds what the last events did, oldest first.
fuzz::RunResult run(const std::vector<ui::RandomEvent>& events, bool echo = false);

}  // namespace hostfuzz
