// Fuzz runner options and the loop over seeds.
#include "tests/fuzz/seeds.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace fuzz {

bool readSeeds(int argc, char** argv, Seeds& s, bool allowLog) {
  for (int i = 1; i < argc; ++i) {
    const bool more = i + 1 < argc;
    if (allowLog && !std::strcmp(argv[i], "--log")) s.log = true;
    else if (more && !std::strcmp(argv[i], "--seed")) s.first = std::strtoull(argv[++i], nullptr, 10);
    else if (more && !std::strcmp(argv[i], "--count")) s.count = std::strtoull(argv[++i], nullptr, 10);
    else if (more && !std::strcmp(argv[i], "--seeds")) s.how_many = std::strtoull(argv[++i], nullptr, 10);
    else {
      std::fprintf(stderr, "usage: %s [--seed N] [--count EVENTS] [--seeds HOW_MANY]%s\n", argv[0],
                   allowLog ? " [--log]" : "");
      return false;
    }
  }
  return true;
}

int playSeeds(const Seeds& s, const std::function<RunResult(std::uint64_t)>& play,
              const std::function<void(std::uint64_t, const RunResult&)>& report) {
  RunResult all;
  const auto t0 = std::chrono::steady_clock::now();
  for (std::uint64_t seed = s.first; seed < s.first + s.how_many; ++seed) {
    const RunResult r = play(seed);
    all.events += r.events;
    all.ticks += r.ticks;
    all.starts += r.starts;
    all.pages += r.pages;
    all.picks += r.picks;
    if (!r.ok) {
      report(seed, r);
      return 1;
    }
  }
  const double secs = std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
  std::printf("%zu seed(s) from %llu: %zu events (%zu timer ticks, %zu program starts, %zu pages printed, "
              "%zu list picks) in %.1f s, every rule held\n",
              s.how_many, static_cast<unsigned long long>(s.first), all.events, all.ticks, all.starts,
              all.pages, all.picks, secs);
  return 0;
}

}  // namespace fuzz
