// Ticks owed by the wall clock, a few at a time.
#include "ui/web/pace.h"

#include <cmath>

namespace zemlox::web {

int Pace::due(double nowMs) {
  if (!(interval_ > 0)) return 1;
  const double owed = std::floor((nowMs - start_) / interval_ + 0.5) - static_cast<double>(done_);
  if (owed <= 0) return 0;
  if (owed > kMaxCatchUp) {
    // Too far behind (a long tick, a throttled or hidden page): tick what
    // one call may and count afresh from here.
    start_ = nowMs;
    done_ = 0;
    return kMaxCatchUp;
  }
  const int n = static_cast<int>(owed);
  done_ += n;
  return n;
}

}  // namespace zemlox::web
