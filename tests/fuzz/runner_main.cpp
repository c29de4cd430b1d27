// zemlox_fuzz_run: plays seeded random event sequences through the whole
// program with every rule checked, and prints the shortest reproducer of a
// failing seed.
//   zemlox_fuzz_run [--seed N] [--count EVENTS] [--seeds HOW_MANY]
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "tests/fuzz/driver.h"

int main(int argc, char** argv) {
  std::uint64_t seed = 1;
  std::size_t count = 100000, seeds = 1;
  for (int i = 1; i + 1 < argc; i += 2) {
    if (!std::strcmp(argv[i], "--seed")) seed = std::strtoull(argv[i + 1], nullptr, 10);
    else if (!std::strcmp(argv[i], "--count")) count = std::strtoull(argv[i + 1], nullptr, 10);
    else if (!std::strcmp(argv[i], "--seeds")) seeds = std::strtoull(argv[i + 1], nullptr, 10);
    else {
      std::fprintf(stderr, "usage: %s [--seed N] [--count EVENTS] [--seeds HOW_MANY]\n", argv[0]);
      return 2;
    }
  }
  std::size_t events = 0, ticks = 0, starts = 0, pages = 0;
  const auto t0 = std::chrono::steady_clock::now();
  for (std::uint64_t s = seed; s < seed + seeds; ++s) {
    const auto sequence = fuzz::generate(s, count);
    const fuzz::RunResult r = fuzz::run(sequence);
    events += r.events;
    ticks += r.ticks;
    starts += r.starts;
    pages += r.pages;
    if (!r.ok) {
      std::printf("seed %llu FAILED\n%s", static_cast<unsigned long long>(s),
                  fuzz::reproducer(sequence, r).c_str());
      return 1;
    }
  }
  const double secs = std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
  std::printf("%zu seed(s) from %llu: %zu events (%zu timer ticks, %zu program starts, %zu pages printed) "
              "in %.1f s, every rule held\n",
              seeds, static_cast<unsigned long long>(seed), events, ticks, starts, pages, secs);
  return 0;
}
