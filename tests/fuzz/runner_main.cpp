// zemlox_fuzz_run: plays seeded random event sequences through the whole
// program with every rule checked, and prints the shortest reproducer of a
// failing seed. With --log, prints each event as the window layer resolved
// it, one line of JSON each: the script the browser's replay plays.
//   zemlox_fuzz_run [--seed N] [--count EVENTS] [--seeds HOW_MANY] [--log]
#include <cstdio>

#include "tests/fuzz/driver.h"
#include "tests/fuzz/seeds.h"

int main(int argc, char** argv) {
  fuzz::Seeds seeds;
  seeds.count = 100000;
  if (!fuzz::readSeeds(argc, argv, seeds, true)) return 2;
  const fuzz::Log log = seeds.log ? fuzz::Log::Json : fuzz::Log::None;
  return fuzz::playSeeds(
      seeds,
      [&](std::uint64_t seed) {
        fuzz::RunResult r = fuzz::run(ui::randomEvents(seed, seeds.count), log);
        for (const std::string& line : r.log) std::printf("%s\n", line.c_str());
        return r;
      },
      [&](std::uint64_t seed, const fuzz::RunResult& r) {
        std::printf("seed %llu FAILED\n%s", static_cast<unsigned long long>(seed),
                    fuzz::reproducer(ui::randomEvents(seed, seeds.count), r).c_str());
      });
}
