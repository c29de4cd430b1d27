// zemlox_fuzz_run: plays seeded random event sequences through the whole
// program with every rule checked, and prints the shortest reproducer of a
// failing seed.
//   zemlox_fuzz_run [--seed N] [--count EVENTS] [--seeds HOW_MANY]
#include <cstdio>

#include "tests/fuzz/driver.h"
#include "tests/fuzz/seeds.h"

int main(int argc, char** argv) {
  fuzz::Seeds seeds;
  seeds.count = 100000;
  if (!fuzz::readSeeds(argc, argv, seeds, false)) return 2;
  return fuzz::playSeeds(
      seeds, [&](std::uint64_t seed) { return fuzz::run(fuzz::generate(seed, seeds.count)); },
      [&](std::uint64_t seed, const fuzz::RunResult& r) {
        std::printf("seed %llu FAILED\n%s", static_cast<unsigned long long>(seed),
                    fuzz::reproducer(fuzz::generate(seed, seeds.count), r).c_str());
      });
}
