// Coverage-guided fuzzing of the whole program: the input bytes are decoded
// into events and played with every rule checked; a broken rule prints its
// shortest reproducer and aborts, which the fuzzer records as a crash.
#include <cstdio>
#include <cstdlib>

#include "tests/fuzz/driver.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const auto events = ui::decodeEvents(data, size);
  const fuzz::RunResult r = fuzz::run(events);
  if (!r.ok) {
    std::fprintf(stderr, "%s", fuzz::reproducer(events, r).c_str());
    std::abort();
  }
  return 0;
}
