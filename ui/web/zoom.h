// The page's zoom: by default the whole program fits the browser window;
// Ctrl with + / - steps through the desktop's zoom levels, Ctrl with 0 goes
// back to fitting the window.
#pragma once

namespace zemlox::web {

class Zoom {
 public:
  // CSS pixels per layout pixel for content of `contentW` x `contentH` layout
  // pixels in a viewport of `viewW` x `viewH` CSS pixels.
  double factor(double contentW, double contentH, double viewW, double viewH) const;

  // Keys; `current` is the factor in force, so + from a fit of 1.7 goes to 2.
  void larger(double current);
  void smaller(double current);
  void fit() { step_ = -1; }

 private:
  int step_ = -1;  // index into ui::kZoomSteps, or -1 to fit the window
};

}  // namespace zemlox::web
