// Ticks owed by the clock, made up a few at a time, for every loaded window.
#include "ui/clock.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "ui/form.h"

namespace ui {

int Pace::due(double nowMs) {
  if (!(interval_ > 0)) return 1;
  const double owed = std::floor((nowMs - start_) / interval_ + 0.5) - static_cast<double>(done_);
  if (owed <= 0) return 0;
  if (owed > kMaxCatchUp) {
    start_ = nowMs;
    done_ = 0;
    return kMaxCatchUp;
  }
  const int n = static_cast<int>(owed);
  done_ += n;
  return n;
}

bool Clock::running(const Timer* t) const {
  // A tick may stop its timer or unload any window, its own included.
  for (const Form* f : app_.forms()) {
    const auto& ts = f->timers();
    if (std::find(ts.begin(), ts.end(), t) != ts.end()) return t->enabled() && f->loaded();
  }
  return false;
}

double Clock::run(double nowMs) {
  if (!shown_) return kNever;
  // Listed first: a tick may load or unload windows.
  std::vector<Timer*> due;
  for (const Form* f : app_.forms())
    for (Timer* t : f->timers())
      if (t->enabled()) due.push_back(t);
  for (Timer* t : due) {
    if (!running(t)) continue;
    auto it = paces_.find(t);
    if (it == paces_.end() || it->second.interval() != t->pace()) {
      paces_.insert_or_assign(t, Pace(t->pace(), nowMs));
      continue;
    }
    // A tick that restarts its own timer ends what it owed.
    for (int n = it->second.due(nowMs); n > 0 && running(t) && paces_.count(t); --n) {
      t->tick();
      ++ticksRun_;
    }
  }
  double next = kNever;
  for (auto it = paces_.begin(); it != paces_.end();) {
    if (!running(it->first)) {
      it = paces_.erase(it);
      continue;
    }
    next = std::min(next, it->second.next());
    ++it;
  }
  return next;
}

void Clock::setShown(bool shown) {
  if (shown == shown_) return;
  shown_ = shown;
  paces_.clear();
  if (shown_) wake();
}

void Clock::timerChanged(const Timer& t) {
  paces_.erase(&t);
  if (t.enabled()) wake();
}

void Clock::wake() {
  if (Host* h = app_.host()) h->wantFrame();
}

}  // namespace ui
