// zemlox_host_fuzz: plays seeded random pupil events through the real Qt
// windows of the whole program (offscreen unless a platform is given), with
// every rule checked after each event and tick. A failing seed prints the
// fault, the events that led to it, and the command that replays it.
//   zemlox_host_fuzz [--seed N] [--count EVENTS] [--seeds HOW_MANY] [--log]
#include <QApplication>
#include <cstdio>
#include <cstdlib>

#include "tests/fuzz/seeds.h"
#include "tests/hostfuzz/player.h"
#include "ui/qt/desktop_program.h"

int main(int argc, char** argv) {
  fuzz::Seeds seeds;
  seeds.count = 20000;
  if (!fuzz::readSeeds(argc, argv, seeds, true)) return 2;
  if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
  QApplication qapp(argc, argv);
  zemlox::qt::setUpApplication();
  // A drop-down opened by a press ignores releases for the double-click
  // interval, which would make a pick depend on how fast this machine is;
  // with no interval it depends on the sequence alone.
  QApplication::setDoubleClickInterval(0);
  return fuzz::playSeeds(
      seeds,
      [&](std::uint64_t seed) {
        std::printf("host fuzz: seed %llu, %zu events\n", static_cast<unsigned long long>(seed), seeds.count);
        std::fflush(stdout);
        return hostfuzz::run(ui::randomEvents(seed, seeds.count), seeds.log);
      },
      [&](std::uint64_t seed, const fuzz::RunResult& r) {
        std::printf("seed %llu FAILED after event %zu: %s\nthe last events:\n",
                    static_cast<unsigned long long>(seed), r.failedAt, r.fault.c_str());
        for (const std::string& line : r.log) std::printf("  %s\n", line.c_str());
        std::printf("replay: %s --seed %llu --count %zu --log\n", argv[0], static_cast<unsigned long long>(seed),
                    r.failedAt + 1);
      });
}
