// Timer state and ticks.
#include "ui/timer.h"

#include "ui/form.h"

namespace ui {

void Timer::changed() {
  if (form_ && form_->loaded()) form_->app().clock().timerChanged(*this);
}

void Timer::setInterval(int ms) {
  if (ms == interval_) return;
  interval_ = ms;
  changed();
}

void Timer::setEnabled(bool e) {
  if (e == enabled_) return;
  enabled_ = e;
  changed();
}

void Timer::tick() {
  if (enabled_ && form_ && form_->loaded() && onTimer) onTimer();
}

}  // namespace ui
