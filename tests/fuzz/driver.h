// Plays random input through the window layer with every invariant checked
// after each event and each tick, and cuts a failing sequence down to a
// shortest one that fails the same way.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "ui/random_input.h"

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

// What run() writes to the log: nothing, each event resolved to windows and
// controls ("「…」: button Command2 (地震発生)"), or each as one line of
// JSON for a replay in another process.
enum class Log { None, Text, Json };

// Plays the events on a fresh program.
RunResult run(const std::vector<ui::RandomEvent>& events, Log log = Log::None);

// A shortest subsequence found by delta debugging that still fails with the
// same fault; gives up refining after maxRuns replays.
std::vector<ui::RandomEvent> minimise(const std::vector<ui::RandomEvent>& events, const std::string& fault,
                                      std::size_t maxRuns = 4000);

// The failing run as text: the fault, the minimised steps resolved to
// windows and controls, and the raw events to paste into a regression test.
std::string reproducer(const std::vector<ui::RandomEvent>& events, const RunResult& failed);

}  // namespace fuzz
