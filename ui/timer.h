// A window's timer: interval in milliseconds and an enabled flag. The
// program's clock (ui/clock.h) runs its ticks; tests call tick() by hand.
// Ticks come only while the timer is enabled and its window is loaded.
#pragma once

#include <functional>
#include <string>

namespace ui {

class Form;

class Timer {
 public:
  // The fastest the clock ticks any timer: shorter intervals tick at this pace.
  static constexpr int kFloorMs = 10;

  int interval() const { return interval_; }
  // The interval the clock runs the timer at.
  int pace() const { return interval_ < kFloorMs ? kFloorMs : interval_; }
  void setInterval(int ms);
  bool enabled() const { return enabled_; }
  void setEnabled(bool e);
  const std::string& name() const { return name_; }
  Form* form() const { return form_; }

  void tick();
  std::function<void()> onTimer;

 private:
  friend class Form;
  void changed();
  std::string name_;
  Form* form_ = nullptr;
  int interval_ = 0;
  bool enabled_ = false;
};

}  // namespace ui
