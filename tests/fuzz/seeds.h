// The command line of the fuzz runners and their loop over seeds: each seed
// is played in turn, the first failing one is reported, and a summary of
// everything played is printed when every rule held.
//   --seed N --count EVENTS --seeds HOW_MANY [--log]
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>

#include "tests/fuzz/driver.h"

namespace fuzz {

struct Seeds {
  std::uint64_t first = 1;
  std::size_t count = 0;  // events per seed
  std::size_t how_many = 1;
  bool log = false;       // print every event as it is played
};

// Reads the options into s (keeping its defaults); false, with the usage
// printed, on anything else. --log is accepted only where allowed.
bool readSeeds(int argc, char** argv, Seeds& s, bool allowLog);

// Plays every seed; on the first failure calls report and returns 1,
// otherwise prints the summary and returns 0.
int playSeeds(const Seeds& s, const std::function<RunResult(std::uint64_t seed)>& play,
              const std::function<void(std::uint64_t seed, const RunResult&)>& report);

}  // namespace fuzz
