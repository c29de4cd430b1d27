// Fit and zoom steps.
#include "ui/web/zoom.h"

#include <algorithm>
#include <cmath>
#include <iterator>

#include "ui/units.h"

namespace zemlox::web {
namespace {

constexpr auto& kSteps = ui::kZoomSteps;
constexpr int kStepCount = static_cast<int>(std::size(kSteps));
// Room kept around the windows when fitting, in CSS pixels.
constexpr double kMargin = 8;
constexpr double kEpsilon = 1e-6;

}  // namespace

double Zoom::factor(double contentW, double contentH, double viewW, double viewH) const {
  if (step_ >= 0) return kSteps[static_cast<size_t>(step_)];
  if (!(contentW > 0) || !(contentH > 0) || !(viewW > 0) || !(viewH > 0)) return 1;
  const double f = std::min((viewW - 2 * kMargin) / contentW, (viewH - 2 * kMargin) / contentH);
  // Hundredths keep a fit steady while the window is resized by a pixel.
  return std::max(0.25, std::floor(f * 100) / 100);
}

void Zoom::larger(double current) {
  for (int i = 0; i < kStepCount; ++i)
    if (kSteps[static_cast<size_t>(i)] > current + kEpsilon) { step_ = i; return; }
  step_ = kStepCount - 1;
}

void Zoom::smaller(double current) {
  for (int i = kStepCount - 1; i >= 0; --i)
    if (kSteps[static_cast<size_t>(i)] < current - kEpsilon) { step_ = i; return; }
  step_ = 0;
}

}  // namespace zemlox::web
