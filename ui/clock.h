// The program's one clock: Application::frame(now), which every host calls
// from one platform callback, runs here the ticks that every enabled timer
// of every loaded window owes by then. Whether time runs while the program cannot be
// seen is decided here too; the host only says whether it can be seen.
//
// The catch-up rule: a timer owes the ticks its interval asks for since it
// started, and a late frame makes them up at once, at most kMaxCatchUp in a
// frame. A lesson's pace is its behaviour (a wave crosses the map in the
// seconds the lesson says), so a slow machine that calls late still keeps
// the pace. A timer further behind than that (a long stall, a suspended
// laptop, a busy page) does not race to catch up: it ticks kMaxCatchUp once
// and counts afresh from there. While the program is hidden or minimised
// time stands still, and it resumes without making up the hidden time.
#pragma once

#include <limits>
#include <unordered_map>

namespace ui {

class Application;
class Timer;

// The ticks one timer owes, by the rule above.
class Pace {
 public:
  static constexpr int kMaxCatchUp = 8;

  Pace(double intervalMs, double startMs) : interval_(intervalMs), start_(startMs) {}
  // The ticks to run at `nowMs`, counted as done. A frame up to half an
  // interval early still ticks once, so a steady host ticks once a call.
  int due(double nowMs);
  // When the next tick falls due on time.
  double next() const { return start_ + static_cast<double>(done_ + 1) * interval_; }
  double interval() const { return interval_; }

 private:
  double interval_, start_;
  long done_ = 0;
};

class Clock {
 public:
  static constexpr double kNever = std::numeric_limits<double>::infinity();

  explicit Clock(Application& app) : app_(app) {}
  Clock(const Clock&) = delete;
  Clock& operator=(const Clock&) = delete;

  // Runs the ticks due at `nowMs` (any steady millisecond count) and
  // returns when the next one falls due, or kNever when no timer runs.
  // A timer seen for the first time starts counting here.
  double run(double nowMs);

  // Whether any window of the program can be seen. Hidden, no timer ticks;
  // shown again, each starts counting afresh.
  void setShown(bool shown);
  bool shown() const { return shown_; }

  // A timer was enabled, stopped or given another interval: it counts
  // afresh, and an enabled one asks the host for a frame at once.
  void timerChanged(const Timer& t);
  // Timers may have started outside any frame (a window loaded).
  void wake();

  // Timer ticks run so far, those made up for a late frame included: the
  // browser's budget benchmark counts a run's work by it.
  double ticksRun() const { return ticksRun_; }

 private:
  bool running(const Timer* t) const;

  Application& app_;
  std::unordered_map<const Timer*, Pace> paces_;
  bool shown_ = true;
  double ticksRun_ = 0;
};

}  // namespace ui
