// The page's zoom: by default the whole program fits the browser window;
// Ctrl with + / - steps through the desktop's zoom levels, Ctrl with 0 goes
// back to fitting the window.
#pragma once

namespace zemlox::web {

class Zoom {
 public:
  static constexpr double kSteps[] = {1.0, 1.25, 1.5, 2.0, 2.5, 3.0};

  // CSS pixels per layout pixel for content of `contentW` x `contentH` layout
  // pixels in a viewport of `viewW` x `viewH` CSS pixels.
  double factor(double contentW, double contentH, double viewW, double viewH) const;
  bool fitting() const { return step_ < 0; }

  // Keys; `current` is the factor in force, so + from a fit of 1.7 goes to 2.
  void larger(double current);
  void smaller(double current);
  void fit() { step_ = -1; }

 private:
  int step_ = -1;  // index into kSteps, or -1 to fit the window
};

}  // namespace zemlox::web
