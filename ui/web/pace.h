// How many ticks a window's timer owes when the browser calls it back. A
// browser fires intervals late on a slow or busy device and never fires the
// missed ones; the timer makes them up so that it ticks as often as its
// interval asks, a few at a time, and forgets what it cannot make up.
#pragma once

namespace zemlox::web {

class Pace {
 public:
  // At most this many ticks in one callback; further behind, the count starts again.
  static constexpr int kMaxCatchUp = 8;

  Pace(double intervalMs, double startMs) : interval_(intervalMs), start_(startMs) {}
  // The ticks to run at `nowMs`, counted as done. A callback up to half an
  // interval early still ticks once, so a steady browser ticks once a call.
  int due(double nowMs);

 private:
  double interval_, start_;
  long done_ = 0;
};

}  // namespace zemlox::web
