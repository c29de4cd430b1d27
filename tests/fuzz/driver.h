// Plays event sequences through the window layer with every invariant
// checked after each event and each tick, and cuts a failing sequence down
// to a shortest one that fails the same way.
#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

#include "tests/fuzz/events.h"
#include "tests/fuzz/program.h"

namespace fuzz {

struct RunResult {
  bool ok = true;
  std::size_t events = 0;    // events played
  std::size_t ticks = 0;     // timer ticks among them
  std::size_t starts = 0;    // program starts (after "終わる" the program is started again)
  std::size_t pages = 0;     // report pages printed
  std::size_t picks = 0;     // items picked in lists
  std::size_t failedAt = 0;  // index of the event that broke a rule
  std::string fault;
  std::vector<std::string> log;  // what each event did, when asked for; the host fuzz keeps the last few
};

// Plays the events on a fresh program. With log set, records what each event
// resolved to ("frm_X: click Command2 (地震発生)").
RunResult run(const std::vector<Event>& events, bool log = false);

// A shortest subsequence found by delta debugging that still fails with the
// same fault; gives up refining after maxRuns replays.
std::vector<Event> minimise(const std::vector<Event>& events, const std::string& fault,
                            std::size_t maxRuns = 4000);

// The failing run as text: the fault, the minimised steps resolved to
// windows and controls, and the raw events to paste into a regression test.
std::string reproducer(const std::vector<Event>& events, const RunResult& failed);

}  // namespace fuzz
