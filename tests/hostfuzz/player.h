// Plays a host fuzz sequence on the whole program shown by the Qt host:
// every event goes through Qt as the window system would deliver it, inside
// Qt's event loops (a lesson runs in its own modal loop, as in the program),
// and every rule is checked after each event and each tick.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "tests/hostfuzz/events.h"

namespace hostfuzz {

struct RunResult {
  bool ok = true;
  std::size_t events = 0;     // events played
  std::size_t ticks = 0;      // timer ticks among them
  std::size_t starts = 0;     // program starts ("終わる" ends it; it is started again)
  std::size_t picks = 0;      // list click handlers run
  std::size_t pages = 0;      // report pages printed
  std::size_t failedAt = 0;   // index of the event after which a rule broke
  std::string fault;
  std::vector<std::string> recent;  // what the last events did, oldest first
};

// Plays the events; with echo set, prints what each does before doing it.
RunResult run(const std::vector<Event>& events, bool echo = false);

}  // namespace hostfuzz
