// zemlox_host_fuzz: plays seeded random pupil events through the real Qt
// windows of the whole program (offscreen unless a platform is given), with
// every rule checked after each event and tick. A failing seed prints the
// fault, the events that led to it, and the command that replays it.
//   zemlox_host_fuzz [--seed N] [--count EVENTS] [--seeds HOW_MANY] [--log]
#include <QApplication>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "tests/hostfuzz/player.h"
#include "ui/qt/program.h"

int main(int argc, char** argv) {
  std::uint64_t seed = 1;
  std::size_t count = 20000, seeds = 1;
  bool log = false;
  for (int i = 1; i < argc; ++i) {
    const bool more = i + 1 < argc;
    if (!std::strcmp(argv[i], "--log")) log = true;
    else if (more && !std::strcmp(argv[i], "--seed")) seed = std::strtoull(argv[++i], nullptr, 10);
    else if (more && !std::strcmp(argv[i], "--count")) count = std::strtoull(argv[++i], nullptr, 10);
    else if (more && !std::strcmp(argv[i], "--seeds")) seeds = std::strtoull(argv[++i], nullptr, 10);
    else {
      std::fprintf(stderr, "usage: %s [--seed N] [--count EVENTS] [--seeds HOW_MANY] [--log]\n", argv[0]);
      return 2;
    }
  }
  if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
  QApplication qapp(argc, argv);
  zemlox::qt::setUpApplication();
  // A drop-down opened by a press ignores releases for the double-click
  // interval, which would make a pick depend on how fast this machine is;
  // with no interval it depends on the sequence alone.
  QApplication::setDoubleClickInterval(0);
  std::size_t events = 0, ticks = 0, starts = 0, picks = 0, pages = 0;
  const auto t0 = std::chrono::steady_clock::now();
  for (std::uint64_t s = seed; s < seed + seeds; ++s) {
    std::printf("host fuzz: seed %llu, %zu events\n", static_cast<unsigned long long>(s), count);
    std::fflush(stdout);
    const hostfuzz::RunResult r = hostfuzz::run(hostfuzz::generate(s, count), log);
    events += r.events;
    ticks += r.ticks;
    starts += r.starts;
    picks += r.picks;
    pages += r.pages;
    if (!r.ok) {
      std::printf("seed %llu FAILED after event %zu: %s\nthe last events:\n", static_cast<unsigned long long>(s),
                  r.failedAt, r.fault.c_str());
      for (const std::string& line : r.recent) std::printf("  %s\n", line.c_str());
      std::printf("replay: %s --seed %llu --count %zu --log\n", argv[0], static_cast<unsigned long long>(s),
                  r.failedAt + 1);
      return 1;
    }
  }
  const double secs = std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
  std::printf("%zu seed(s) from %llu: %zu events (%zu timer ticks, %zu program starts, %zu list picks, %zu pages printed) "
              "in %.1f s, every rule held\n",
              seeds, static_cast<unsigned long long>(seed), events, ticks, starts, picks, pages, secs);
  return 0;
}
